// The message of the exception that a call throws, so tests assert the text the user would read.
#pragma once

#include <exception>
#include <string>

template <class Llamada> std::string MensajeDe(Llamada&& llamada) {
    try {
        llamada();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "(ningún error)";
}
