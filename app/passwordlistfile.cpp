#include "passwordlistfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <memory>
#include <vector>
#include <windows.h>
// needs windows.h before it
#include <sddl.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace keymint
{

namespace
{

#ifdef Q_OS_WIN

QString systemReason(DWORD code)
{
    wchar_t *buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    const QString reason = QString::fromWCharArray(buffer).trimmed();
    LocalFree(buffer);
    return reason;
}

// The text in the system's ANSI code page; nothing when a character has no place in it, where
// Windows would write "?" or a look-alike instead.
std::optional<QByteArray> inSystemEncoding(const QString &text)
{
    if (text.isEmpty())
        return QByteArray();
    const UINT codePage = GetACP();
    const bool utf8 = codePage == CP_UTF8; // stores every character; takes no best-fit check
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const auto wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr,
                                         utf8 ? nullptr : &lossy);
    QByteArray bytes(size, Qt::Uninitialized);
    if (size == 0 || lossy ||
        WideCharToMultiByte(codePage, flags, wide, length, bytes.data(), size, nullptr,
                            utf8 ? nullptr : &lossy) != size)
        return std::nullopt;
    return bytes;
}

// Copies of Keymint take turns at the list. Windows itself appends each write whole at the
// end; Wine finds the end first and then writes there, so two copies could write over each
// other. A copy that waits too long for its turn goes ahead without it.
class ListTurn
{
public:
    ListTurn() : m_mutex(CreateMutexW(nullptr, FALSE, L"Local\\Keymint password list"))
    {
        const DWORD wait = m_mutex ? WaitForSingleObject(m_mutex, 10000) : WAIT_FAILED;
        m_held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~ListTurn()
    {
        if (m_held)
            ReleaseMutex(m_mutex);
        if (m_mutex)
            CloseHandle(m_mutex);
    }
    ListTurn(const ListTurn &) = delete;
    ListTurn &operator=(const ListTurn &) = delete;

private:
    HANDLE m_mutex;
    bool m_held = false;
};

struct LocalMemory {
    void operator()(void *memory) const { LocalFree(memory); }
};
using SecurityDescriptor = std::unique_ptr<void, LocalMemory>;

// The user that runs Keymint, as the text of its SID ("S-1-5-21-…"); empty on failure, with
// the reason in GetLastError().
QString currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size); // operator new's alignment suits TOKEN_USER
    wchar_t *text = nullptr;
    const bool ok =
        size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(user.data())->User.Sid, &text);
    const DWORD error = GetLastError();
    CloseHandle(token);
    const std::unique_ptr<wchar_t, LocalMemory> owned(text);
    SetLastError(error);
    return ok ? QString::fromWCharArray(text) : QString();
}

// What a new list is open to: full control for the user that runs Keymint and for the system,
// and nothing else; protected, so that nothing is inherited from a folder that every account
// of the PC may read. (Wine drops an entry for OWNER RIGHTS, so the user is named.)
SecurityDescriptor privateFileSecurity()
{
    const QString user = currentUserSid();
    if (user.isEmpty())
        return nullptr;
    const QString access = QStringLiteral("D:P(A;;FA;;;%1)(A;;FA;;;SY)").arg(user);
    void *descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            reinterpret_cast<const wchar_t *>(access.utf16()), SDDL_REVISION_1, &descriptor,
            nullptr))
        return nullptr;
    return SecurityDescriptor(descriptor);
}

// Returns the system's reason when the line is not safely on disk. A list that is there keeps
// its own access list: Windows applies the new one only to a file it creates.
std::optional<QString> appendToFile(const QString &path, const QByteArray &line)
{
    const ListTurn turn;
    const SecurityDescriptor security = privateFileSecurity();
    if (!security)
        return systemReason(GetLastError());
    SECURITY_ATTRIBUTES attributes{.nLength = sizeof(SECURITY_ATTRIBUTES),
                                   .lpSecurityDescriptor = security.get(),
                                   .bInheritHandle = FALSE};
    // FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of the file.
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return systemReason(GetLastError());
    DWORD written = 0;
    const bool ok =
        WriteFile(file, line.constData(), static_cast<DWORD>(line.size()), &written, nullptr) &&
        written == static_cast<DWORD>(line.size()) && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    const bool closed = CloseHandle(file);
    if (!ok)
        return systemReason(error);
    if (!closed)
        return systemReason(GetLastError());
    return std::nullopt;
}

#else

// The system's 8-bit encoding, UTF-8 on Linux, stores every character.
std::optional<QByteArray> inSystemEncoding(const QString &text)
{
    return text.toLocal8Bit();
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<QString> appendToFile(const QString &path, const QByteArray &line)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return systemReason(errno);
    ssize_t written = 0;
    do {
        written = ::write(fd, line.constData(), static_cast<size_t>(line.size()));
    } while (written < 0 && errno == EINTR);
    int error = written < 0 ? errno : (written < line.size() ? ENOSPC : 0);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        return systemReason(error);
    return std::nullopt;
}

#endif

} // namespace

PasswordListFile::PasswordListFile(QString fileName) : m_fileName(std::move(fileName)) {}

std::optional<PasswordListError> PasswordListFile::appendLine(const QString &text)
{
    const QString path = QFileInfo(m_fileName).absoluteFilePath();
    // The text as it stands, in the system's 8-bit encoding, and CR LF; a text that the
    // encoding would change is refused whole rather than written changed.
    const std::optional<QByteArray> encoded = inSystemEncoding(text);
    if (!encoded)
        return PasswordListError{
            .filePath = path,
            .reason = QCoreApplication::translate(
                "PasswordListFile",
                "The text holds characters that the password list's encoding cannot store.")};
    if (auto reason = appendToFile(path, *encoded + "\r\n"))
        return PasswordListError{.filePath = path, .reason = *reason};
    return std::nullopt;
}

} // namespace keymint
