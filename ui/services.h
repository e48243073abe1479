#pragma once

#include <QString>

class QWidget;

namespace keymint
{

class RandomSource;

// Modal message boxes. Tests replace them, so that no modal loop runs.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // An information icon and a single OK button; returns when the user dismisses it.
    virtual void information(QWidget *owner, const QString &title, const QString &prompt) = 0;
    // An error icon and a single OK button; returns when the user dismisses it.
    virtual void error(QWidget *owner, const QString &title, const QString &text) = 0;
};

// Ends the whole program: every window closes and no further event procedure runs.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;

    virtual void endProgram(int exitCode) = 0;
};

// What the forms take from the rest of the program. None of these is owned by the forms.
struct FormServices {
    RandomSource *random = nullptr;
    MessageBoxes *messages = nullptr;
    ProgramEnd *end = nullptr;
};

} // namespace keymint
