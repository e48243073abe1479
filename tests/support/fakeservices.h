#pragma once

// Test doubles for the services the forms use, which only record what they were asked for.

#include "randomsource.h"
#include "services.h"

#include <QStringList>

#include <vector>

namespace keymint::test
{

class RecordingMessageBoxes final : public MessageBoxes
{
public:
    struct Box {
        enum Kind { Information, Error } kind;
        QString title;
        QString text;
    };
    void information(QWidget *, const QString &title, const QString &prompt) override
    {
        boxes.push_back({Box::Information, title, prompt});
    }
    void error(QWidget *, const QString &title, const QString &text) override
    {
        boxes.push_back({Box::Error, title, text});
    }
    std::vector<Box> boxes;
};

class RecordingPasswordList final : public PasswordList
{
public:
    std::optional<PasswordListError> appendLine(const QString &text) override
    {
        if (!failure)
            lines << text;
        return failure;
    }
    QStringList lines;
    std::optional<PasswordListError> failure; // set: every append fails so
};

class RecordingProgramEnd final : public ProgramEnd
{
public:
    void endProgram(int code) override { exitCode = code; }
    std::optional<int> exitCode;
};

// All of the above, handed to a form together with a random source.
struct RecordingServices {
    FormServices with(RandomSource &random, ProgramEnd *programEnd = nullptr)
    {
        return {.random = &random,
                .messages = &messages,
                .passwordList = &passwordList,
                .end = programEnd ? programEnd : &end};
    }
    RecordingMessageBoxes messages;
    RecordingPasswordList passwordList;
    RecordingProgramEnd end;
};

} // namespace keymint::test
