#include "eventprocedure.h"

#include "services.h"

#include <QCoreApplication>

#include <cstdlib>
#include <exception>

namespace keymint
{

void runEventProcedure(QWidget *form, const FormServices &services,
                       const std::function<void()> &procedure)
{
    try {
        procedure();
    } catch (const std::exception &error) { // RunTimeError above all
        services.messages->error(form, QCoreApplication::applicationName(),
                                 QString::fromUtf8(error.what()));
        services.end->endProgram(EXIT_FAILURE);
    }
}

} // namespace keymint
