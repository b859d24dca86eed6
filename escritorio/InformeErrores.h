// The one error-report path: every command runs through Protegido, so no exception ever crosses
// Qt's event loop and every failure reaches the user in the same box.
#pragma once

#include <functional>

class Plataforma;
class QWidget;

// Runs the command; an exception ends it and its message goes to the platform's error report.
// Returns false when the command ended with an error.
bool Protegido(Plataforma& plataforma, QWidget* padre, const std::function<void()>& orden);
