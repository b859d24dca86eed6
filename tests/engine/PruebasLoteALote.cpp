// Placeholder until the engine tests land.
#include <gtest/gtest.h>
