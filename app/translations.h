#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>

namespace keymint
{

// The languages that the user's session asks for, most wanted first ("de_AT.UTF-8", "pt_BR"):
// on Windows the user's display languages; elsewhere as glibc reads them from the environment.
QStringList sessionLanguages();
// glibc's order: the first of LC_ALL, LC_MESSAGES and LANG that is set names the locale of
// messages; under C or POSIX every program speaks English, otherwise the list in LANGUAGE, if
// set, takes its place.
QStringList languagesFromEnvironment(const QProcessEnvironment &environment);

// The first of the languages with a translation of Keymint's ("de", "pt_BR"), or nothing for
// English, the program's own language. A regional variant takes its language's translation
// in the same script: de_CH German, zh_SG Chinese (Simplified), zh_TW none.
QString translationFor(const QStringList &languages);

// Where Qt's own translations (qtbase_XX.qm) are: Qt's translations folder, or on Windows the
// folder "translations" beside Keymint.exe.
QString qtTranslationsFolder();

// Keymint's texts and Qt's own in one language, and the direction it is written in, for as
// long as this lives. An empty language leaves everything English.
class Translations
{
public:
    Translations(const QString &language, const QString &qtFolder);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator m_keymint;
    QTranslator m_qt;
};

} // namespace keymint
