#pragma once

#include <functional>

class QWidget;

namespace keymint
{

struct FormServices;

// Runs one event procedure. An error that leaves it cannot travel through Qt's event loop,
// so it stops here: it is reported in a message box and the program ends.
void runEventProcedure(QWidget *form, const FormServices &services,
                       const std::function<void()> &procedure);

} // namespace keymint
