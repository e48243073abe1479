#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace keymint
{

namespace
{

// Keymint's translations, built into the program.
const QString OwnFolder = QStringLiteral(":/i18n");

bool isCLocale(const QString &name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

QStringList availableTranslations()
{
    // English is the texts themselves: asked for first, it wins over any translation.
    QStringList names{QStringLiteral("en")};
    for (const QString &file : QDir(OwnFolder).entryList({QStringLiteral("keymint_*.qm")}))
        names << file.sliced(8).chopped(3);
    return names;
}

} // namespace

QStringList sessionLanguages()
{
#ifdef Q_OS_WIN
    return QLocale::system().uiLanguages();
#else
    return languagesFromEnvironment(QProcessEnvironment::systemEnvironment());
#endif
}

QStringList languagesFromEnvironment(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(variable));
        if (!locale.isEmpty())
            break;
    }
    if (isCLocale(locale))
        return {};
    const QString wanted = environment.value(QStringLiteral("LANGUAGE"));
    return wanted.isEmpty() ? QStringList{locale} : wanted.split(u':', Qt::SkipEmptyParts);
}

QString translationFor(const QStringList &languages)
{
    const QStringList available = availableTranslations();
    for (const QString &name : languages) {
        const QLocale asked(name);
        if (asked.language() == QLocale::C)
            continue; // a name that Qt does not know
        for (const QString &translation : available) {
            const QLocale offered(translation);
            if (offered.language() == asked.language() && offered.script() == asked.script())
                return translation == QLatin1String("en") ? QString() : translation;
        }
    }
    return {};
}

QString qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

Translations::Translations(const QString &language, const QString &qtFolder)
{
    if (language.isEmpty())
        return;
    if (m_keymint.load(QStringLiteral("keymint_") + language, OwnFolder))
        QCoreApplication::installTranslator(&m_keymint);
    if (m_qt.load(QStringLiteral("qtbase_") + language, qtFolder))
        QCoreApplication::installTranslator(&m_qt);
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
}

Translations::~Translations()
{
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace keymint
