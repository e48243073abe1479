#include "passwordlistfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace keymint;

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

mode_t permissionsOf(const QString &path)
{
    struct stat status {
    };
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

// Runs `work` in a child process, as "nobody" if asked and the tests run as root (root may
// write to read-only files), and returns its exit code.
template <typename Work> pid_t startChild(bool unprivileged, Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(work());
    }
    return child;
}

int exitCodeOf(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class PasswordListFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void appendsLinesAsTheyStandAtTheEnd();
    void newListIsPrivateExistingKeepsItsMode();
    void failureNamesFileAndReason_data();
    void failureNamesFileAndReason();
    void copiesSideBySideLoseNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void PasswordListFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath("password.txt");
    // The list is found in the current directory at the moment of each append.
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void PasswordListFileTest::appendsLinesAsTheyStandAtTheEnd()
{
    QFile old(m_path); // a list whose last line has no line end is continued as it is
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older\r\nno line end") > 0);
    old.close();

    PasswordListFile list;
    for (const char *text : {"abcde", "abcde", "", "  my pass wörd  "})
        QVERIFY(!list.appendLine(QString::fromUtf8(text)));
    QCOMPARE(contents(m_path), QString("older\r\nno line endabcde\r\nabcde\r\n\r\n"
                                       "  my pass wörd  \r\n")
                                   .toLocal8Bit());
}

void PasswordListFileTest::newListIsPrivateExistingKeepsItsMode()
{
    const mode_t oldMask = ::umask(0); // even with nothing masked
    QVERIFY(!PasswordListFile().appendLine("abcde"));
    ::umask(oldMask);
    QCOMPARE(permissionsOf(m_path), mode_t(0600));

    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QVERIFY(!PasswordListFile().appendLine("fghij"));
    QCOMPARE(permissionsOf(m_path), mode_t(0604));
}

void PasswordListFileTest::failureNamesFileAndReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the name is a directory") << "directory"
                                             << "Is a directory";
    QTest::newRow("the disk is full") << "/dev/full"
                                      << "No space left on device";
    QTest::newRow("the list is read-only") << "read-only"
                                           << "Permission denied";
}

void PasswordListFileTest::failureNamesFileAndReason()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (kind == "directory")
        QVERIFY(QDir().mkdir(m_path));
    else if (kind == "/dev/full")
        QVERIFY(QFile::link(kind, m_path));
    else
        QVERIFY(QFile(m_path).open(QIODevice::WriteOnly) &&
                QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadOther) &&
                QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ExeOther));

    const int result = exitCodeOf(startChild(kind == "read-only", [&] {
        const auto failure = PasswordListFile().appendLine("abcde");
        return failure && failure->filePath == m_path && failure->reason == reason ? 0 : 1;
    }));
    QCOMPARE(result, 0);
    if (kind == "read-only")
        QCOMPARE(contents(m_path), QByteArray());
}

void PasswordListFileTest::copiesSideBySideLoseNothing()
{
    const auto writer = [](char name) {
        return [name] {
            PasswordListFile list;
            for (int i = 0; i < 200; ++i) {
                if (list.appendLine(QString("copy %1 line %2 of a long enough text")
                                        .arg(QChar(name))
                                        .arg(i, 3, 10, QChar('0'))))
                    return 1;
            }
            return 0;
        };
    };
    const pid_t first = startChild(false, writer('A'));
    const pid_t second = startChild(false, writer('B'));
    QCOMPARE(exitCodeOf(first), 0);
    QCOMPARE(exitCodeOf(second), 0);

    QList<QByteArray> lines = contents(m_path).split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the list ends with a whole line
    QCOMPARE(QSet<QByteArray>(lines.begin(), lines.end()).size(), 400);
    const QRegularExpression whole("^copy [AB] line \\d{3} of a long enough text\r$");
    for (const QByteArray &line : lines)
        QVERIFY2(whole.match(QString::fromLatin1(line)).hasMatch(), line.constData());
}

QTEST_APPLESS_MAIN(PasswordListFileTest)
#include "tst_passwordlistfile.moc"
