#include "passwordlistfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace keymint;

namespace
{

const QString ListName = QStringLiteral("password.txt");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

mode_t permissionsOf(const QString &path)
{
    struct stat status {
    };
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

// Runs `work` in a child process (as "nobody" when the tests run as root, since root writes to
// read-only files) and returns the child's exit code.
template <typename Work> int inChildProcess(bool unprivileged, Work work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(work());
    }
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

    void linesAreWrittenAsTheyStand_data();
    void linesAreWrittenAsTheyStand();
    void appendsOnlyAtTheEnd();
    void newListIsPrivateExistingKeepsItsMode();
    void failureNamesFileAndReason_data();
    void failureNamesFileAndReason();
    void readOnlyListIsNotWritten();
    void copiesSideBySideLoseNothing();

private:
    QString listPath() const { return m_dir->filePath(ListName); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void PasswordListFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The list is found in the current directory at the moment of each append.
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void PasswordListFileTest::linesAreWrittenAsTheyStand_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("generated") << "qwertzuiopasdfghjkl0";
    QTest::newRow("empty box") << "";
    QTest::newRow("typed, spaces and non-ASCII") << "  my pass wörd  ";
}

void PasswordListFileTest::linesAreWrittenAsTheyStand()
{
    QFETCH(QString, text);
    PasswordListFile list;
    QVERIFY(!list.appendLine(text));

    const QByteArray line = text.toLocal8Bit() + "\r\n";
    QCOMPARE(contents(listPath()), line);
    QCOMPARE(contents(listPath()).size(), text.toLocal8Bit().size() + 2);
}

void PasswordListFileTest::appendsOnlyAtTheEnd()
{
    // A list whose last line has no line end is continued as it is.
    writeFile(listPath(), "older\r\nno line end");
    PasswordListFile list;
    QVERIFY(!list.appendLine("abcde"));
    QVERIFY(!list.appendLine("abcde"));
    QCOMPARE(contents(listPath()), QByteArray("older\r\nno line endabcde\r\nabcde\r\n"));
}

void PasswordListFileTest::newListIsPrivateExistingKeepsItsMode()
{
    const mode_t oldMask = ::umask(0); // even with nothing masked
    PasswordListFile list;
    QVERIFY(!list.appendLine("abcde"));
    const mode_t created = permissionsOf(listPath());
    ::umask(oldMask);
    QCOMPARE(created, mode_t(0600));

    QVERIFY(::chmod(QFile::encodeName(listPath()).constData(), 0644) == 0);
    QVERIFY(!list.appendLine("fghij"));
    QCOMPARE(permissionsOf(listPath()), mode_t(0644));
}

void PasswordListFileTest::failureNamesFileAndReason_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the name is a directory") << "directory"
                                             << "Is a directory";
    QTest::newRow("the disk is full") << "/dev/full"
                                      << "No space left on device";
}

void PasswordListFileTest::failureNamesFileAndReason()
{
    QFETCH(QString, setUp);
    QFETCH(QString, reason);
    if (setUp == "directory")
        QVERIFY(QDir(m_dir->path()).mkdir(ListName));
    else
        QVERIFY(QFile::link(setUp, listPath()));

    PasswordListFile list;
    const auto failure = list.appendLine("abcde");
    QVERIFY(failure);
    QCOMPARE(failure->filePath, listPath());
    QCOMPARE(failure->reason, reason);
}

void PasswordListFileTest::readOnlyListIsNotWritten()
{
    writeFile(listPath(), "kept\r\n");
    QVERIFY(::chmod(QFile::encodeName(listPath()).constData(), 0444) == 0);
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0);

    const int result = inChildProcess(true, [this] {
        const auto failure = PasswordListFile().appendLine("abcde");
        if (!failure)
            return 1;
        return failure->filePath == listPath() && failure->reason == "Permission denied" ? 0 : 2;
    });
    QCOMPARE(result, 0);
    QCOMPARE(contents(listPath()), QByteArray("kept\r\n"));
}

void PasswordListFileTest::copiesSideBySideLoseNothing()
{
    constexpr int LinesEach = 200;
    const auto writer = [](char name) {
        return [name] {
            PasswordListFile list;
            for (int i = 0; i < LinesEach; ++i) {
                const QString line = QStringLiteral("copy %1 line %2 of a long enough text")
                                         .arg(QChar(name))
                                         .arg(i, 3, 10, QChar('0'));
                if (list.appendLine(line))
                    return 1;
            }
            return 0;
        };
    };
    const pid_t first = ::fork();
    if (first == 0)
        ::_exit(writer('A')());
    const int second = inChildProcess(false, writer('B'));
    int status = 0;
    ::waitpid(first, &status, 0);
    QCOMPARE(second, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    QList<QByteArray> lines = contents(listPath()).split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the list ends with a whole line
    QCOMPARE(lines.size(), 2 * LinesEach);
    const QRegularExpression whole("^copy [AB] line \\d{3} of a long enough text\r$");
    QSet<QByteArray> distinct;
    for (const QByteArray &line : lines) {
        QVERIFY2(whole.match(QString::fromLatin1(line)).hasMatch(), line.constData());
        distinct.insert(line);
    }
    QCOMPARE(distinct.size(), 2 * LinesEach);
}

QTEST_APPLESS_MAIN(PasswordListFileTest)
#include "tst_passwordlistfile.moc"
