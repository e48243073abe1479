#pragma once

#include "services.h"

namespace keymint
{

// The password list on disk. Each line is written with one append-mode write, so copies of
// Keymint side by side never interleave, then flushed to disk before it counts as saved.
// A list this creates is private to its owner; an existing one keeps its permissions.
class PasswordListFile final : public PasswordList
{
public:
    // fileName is resolved against the current directory at each append.
    explicit PasswordListFile(QString fileName = QStringLiteral("password.txt"));

    std::optional<PasswordListError> appendLine(const QString &text) override;

private:
    QString m_fileName;
};

} // namespace keymint
