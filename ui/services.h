#pragma once

#include <QString>

#include <optional>

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

// Why a line could not be added to the password list.
struct PasswordListError {
    QString filePath; // in full
    QString reason;   // the system's words
};

// The password list, "password.txt" in the current directory: only ever appended to.
class PasswordList
{
public:
    virtual ~PasswordList() = default;

    // Adds the text and a line end as one line at the end of the list, and returns only once
    // the line is on disk; nothing is returned when it is.
    virtual std::optional<PasswordListError> appendLine(const QString &text) = 0;
};

// What the forms take from the rest of the program. None of these is owned by the forms.
struct FormServices {
    RandomSource *random = nullptr;
    MessageBoxes *messages = nullptr;
    PasswordList *passwordList = nullptr;
    ProgramEnd *end = nullptr;
};

} // namespace keymint
