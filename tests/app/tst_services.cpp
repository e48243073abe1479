// What a careless edit of the services could break: a random number of 1, a narrowed source,
// one reseeded from the clock that repeats itself within a tick; the list opened
// without append or truncated, a line changed on its way, a new list readable by others; a
// failed open, write or flush reported as a save; lines of two copies torn or lost.

#include "generation.h"
#include "passwordlistfile.h"
#include "systemrandomsource.h"
#include "translations.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <aclapi.h>
#include <sddl.h>
#endif

using namespace keymint;

namespace
{

#ifdef Q_OS_WIN
const QByteArray Cafe = "caf\xe9\r\n"; // in code page 1252, western Windows' and Wine's
#else
const QByteArray Cafe = "caf\xc3\xa9\r\n"; // in UTF-8
#endif

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

#ifdef Q_OS_WIN
// The file's owner and access list, as Windows' security descriptor strings write them.
QString security(const QString &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    wchar_t *text = nullptr;
    const auto parts = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    const bool read =
        !GetNamedSecurityInfoW(reinterpret_cast<const wchar_t *>(path.utf16()), SE_FILE_OBJECT,
                               parts, nullptr, nullptr, nullptr, nullptr, &descriptor) &&
        ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, parts,
                                                             &text, nullptr);
    return read ? QString::fromWCharArray(text) : "<unreadable>"; // freed with the test
}
#endif

} // namespace

class ServicesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath("password.txt");

private slots:
    void init()
    {
        QFile::remove(m_path);
        QDir(m_path).removeRecursively();
        QVERIFY(QDir::setCurrent(m_dir.path())); // where the list is found at each append
    }

    // From 0 up to but not including 1, and no clock in them: two thousand draws, each after
    // its reseed, bring every symbol.
    void numbersCoverZeroToOne()
    {
        QVERIFY(SystemRandomSource::unitFloatFrom24Bits(0xffffffff) == 1.0f - 0x1p-24f); // exactly
        SystemRandomSource random;
        std::set<float> values;
        for (int draw = 0; draw < 2000; ++draw)
            random.reseed(), values.insert(drawnValue(random.next(), AlphanumericRange));
        QVERIFY(values.size() == 36 && *values.begin() == 1 && *values.rbegin() == 36);
    }

    // Which of Keymint's translations a session's settings choose ("" English). Each row a
    // fault: LANGUAGE heeded under C, POSIX or C.UTF-8; the variables read in another order;
    // LANGUAGE's list not in its order, or stopped at a name Qt does not know; a regional
    // variant not taking its language's translation, or another script's; English asked first
    // passed over.
    void sessionSettingsPickTheLanguage()
    {
        const std::pair<const char *, const char *> sessions[] = {
            {"LANG=C LANGUAGE=de", ""},
            {"LC_ALL=POSIX LANGUAGE=de", ""},
            {"LANG=de_DE.UTF-8 LC_MESSAGES=C.UTF-8 LANGUAGE=de", ""},
            {"LC_ALL=fr_FR LC_MESSAGES=de_DE LANG=it_IT", "fr"},
            {"LANG=de_DE.UTF-8 LANGUAGE=sv:xx_YY:nl:fr", "nl"},
            {"LANG=pt_PT.UTF-8", "pt_BR"},
            {"LANG=zh_SG.UTF-8", "zh_CN"},
            {"LANG=zh_TW.UTF-8", ""},
            {"LANG=de_DE.UTF-8 LANGUAGE=en_GB:de", ""}};
        for (const auto &[session, translation] : sessions) {
            QProcessEnvironment environment;
            for (const QString &setting : QString(session).split(' '))
                environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
            QVERIFY2(translationFor(languagesFromEnvironment(environment)) == translation, session);
        }
    }

    // A new list is its owner's alone; a line is the text as it stands and CR LF, right after
    // the last byte that the list held.
    void appendsPrivatelyAtTheEnd()
    {
#ifdef Q_OS_UNIX
        const mode_t oldMask = ::umask(0); // even with nothing masked
#endif
        QVERIFY(!PasswordListFile().appendLine("abcde"));
#ifdef Q_OS_UNIX
        ::umask(oldMask);
        QCOMPARE(QFile::permissions(m_path) & 0x0fff, QFile::ReadUser | QFile::WriteUser);
#else // open to its user (here its owner) and the system alone, as its second save must find
      // it; protected where the system keeps that (Wine 8 keeps the access list as a Unix mode
      // alone, and reads it back in its own order); one that was there, here open as its
      // folder is, stays so
        const QString access = security(m_path), old = m_dir.filePath("old.txt"),
                      before = (QFile(old).open(QIODevice::WriteOnly), security(old));
        QVERIFY(!PasswordListFile(old).appendLine("abcde") && security(old) == before);
        const QRegularExpression userAndSystem(
            R"(^O:(S-[-\d]+)D:P?(\(A;;FA;;;\1\)\(A;;FA;;;SY\)|\(A;;FA;;;SY\)\(A;;FA;;;\1\))$)");
        QVERIFY2(userAndSystem.match(access).hasMatch(), qPrintable(access));
#endif
        QFile list(m_path);
        QVERIFY(list.open(QIODevice::Append) && list.write("no line end") > 0);
        list.close();
        for (const char *text : {"abcde", "", "  typed by hand  ", "café"})
            QVERIFY(!PasswordListFile().appendLine(text));
        QCOMPARE(contents(m_path), "abcde\r\nno line endabcde\r\n\r\n  typed by hand  \r\n" + Cafe);
    }

    void failureNamesFileAndReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason"); // a part of the system's words
        // clang-format off
#ifdef Q_OS_WIN
        QTest::newRow("a folder named password.txt") << "folder" << "abcde" << "denied";
        QTest::newRow("a letter code page 1252 has a look-alike for") << "" << "abcdā" << "cannot store";
#else
        QTest::newRow("a folder named password.txt") << "folder" << "abcde" << "Is a directory";
        QTest::newRow("the disk is full") << "/dev/full" << "abcde" << "No space left on device";
#endif
        // clang-format on
    }
    // Nothing written, and the reason with the list's full path.
    void failureNamesFileAndReason()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        if (kind == "folder")
            QVERIFY(QDir().mkdir(m_path));
        else if (!kind.isEmpty())
            QVERIFY(QFile::link(kind, m_path));
        const auto failure = PasswordListFile().appendLine(text);
        QVERIFY(failure && failure->filePath == m_path);
        QVERIFY2(failure->reason.contains(reason), qPrintable(failure->reason));
        QVERIFY(!QFileInfo(m_path).isFile() || QFileInfo(m_path).size() == 0);
    }

    // Two writers at once, each with handles of its own, as two copies of Keymint have.
    void copiesSideBySideLoseNothing()
    {
        const auto copy = [](char name) {
            for (int line = 0; line < 500; ++line)
                PasswordListFile().appendLine(
                    QString("copy %1 line %2 of a text").arg(name).arg(line));
        };
        std::thread copyA(copy, 'A'), copyB(copy, 'B');
        copyA.join(), copyB.join();
        QList<QByteArray> lines = contents(m_path).split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the list ends with a whole line
        QCOMPARE(QSet<QByteArray>(lines.begin(), lines.end()).size(), 1000);
        for (const QByteArray &line : lines)
            QVERIFY2(QRegularExpression("^copy [AB] line \\d+ of a text\r$").match(line).hasMatch(),
                     line.constData());
    }
};

QTEST_GUILESS_MAIN(ServicesTest)
#include "tst_services.moc"
