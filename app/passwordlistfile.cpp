#include "passwordlistfile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
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

// Returns the system's reason when the line is not safely on disk.
std::optional<QString> appendToFile(const QString &path, const QByteArray &line)
{
    // FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of the file.
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
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
    // The text as it stands, in the system's 8-bit encoding, and CR LF.
    const QByteArray line = text.toLocal8Bit() + "\r\n";
    if (auto reason = appendToFile(path, line))
        return PasswordListError{path, *reason};
    return std::nullopt;
}

} // namespace keymint
