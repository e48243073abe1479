#include "secretcopy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QtEndian>

#include <utility>
#include <vector>

namespace keymint
{

namespace
{

// What a copy of a password carries beside its text, format by format.
std::vector<std::pair<QString, QByteArray>> secretMarks()
{
#ifdef Q_OS_WIN
    // Registered formats, each under its bare name: Qt for Windows registers a MIME type that
    // is not a MIME type as the clipboard format of that name. The first one alone keeps the
    // copy out of Windows' own history; the next two say the same to the history and the cloud
    // clipboard by name. The last is the older mark that Ditto, KeePass and CopyQ honour: its
    // presence is what counts.
    const auto dword = [](quint32 value) {
        QByteArray bytes(sizeof value, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    return {{QStringLiteral("ExcludeClipboardContentFromMonitorProcessing"), dword(1)},
            {QStringLiteral("CanIncludeInClipboardHistory"), dword(0)},
            {QStringLiteral("CanUploadToCloudClipboard"), dword(0)},
            {QStringLiteral("Clipboard Viewer Ignore"), dword(1)}};
#else
    // KDE's Klipper, and the clipboard managers that follow it, keep no copy that says so.
    return {{QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret")}};
#endif
}

QMimeData *secretCopy(const QString &text)
{
    auto *copy = new QMimeData;
    copy->setText(text);
    for (const auto &[format, value] : secretMarks())
        copy->setData(format, value);
    return copy;
}

// Watches one box: makes the copies the box would make, marked, and marks the selection that
// the box hands to the X11 or Wayland primary selection.
class SecretCopies final : public QObject
{
public:
    explicit SecretCopies(QLineEdit *box) : QObject(box), m_box(box)
    {
        box->installEventFilter(this);
        connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, this,
                &SecretCopies::markSelection);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ContextMenu) {
            showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy))
            copy();
        else if (key->matches(QKeySequence::Cut))
            cut();
        else if (key->matches(QKeySequence::DeleteEndOfLine))
            cutFrom(m_box->cursorPosition());
        else if (key->matches(QKeySequence::DeleteCompleteLine))
            cutFrom(0);
        else
            return false;
        return true;
    }

private:
    void copy()
    {
        if (m_box->hasSelectedText())
            QGuiApplication::clipboard()->setMimeData(secretCopy(m_box->selectedText()));
    }

    void cut()
    {
        if (m_box->isReadOnly() || !m_box->hasSelectedText())
            return;
        copy();
        m_box->del();
    }

    // X11's Ctrl+K and Ctrl+U, which cut to the end of the line and the whole line.
    void cutFrom(int start)
    {
        if (m_box->isReadOnly())
            return;
        m_box->setSelection(start, int(m_box->text().size()) - start);
        cut();
    }

    // The box's own menu, whose Copy and Cut make marked copies instead of plain ones.
    void showMenu(const QPoint &at)
    {
        QMenu *menu = m_box->createStandardContextMenu();
        // Found by Qt's own words for them, in whatever language Qt speaks.
        const auto qtWords = [](const char *english) { return QLineEdit::tr(english); };
        for (QAction *action : menu->actions()) {
            const bool isCopy = action->text().startsWith(qtWords("&Copy"));
            if (!isCopy && !action->text().startsWith(qtWords("Cu&t")))
                continue;
            disconnect(action, &QAction::triggered, m_box, nullptr);
            connect(action, &QAction::triggered, this,
                    isCopy ? &SecretCopies::copy : &SecretCopies::cut);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    // Selecting text in the box offers it, plain, as the primary selection; it is replaced at
    // once, before any other program can ask for it. A selection that another program made,
    // or any other text, stays as it is.
    void markSelection()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        const QMimeData *offered = clipboard->mimeData(QClipboard::Selection);
        if (!clipboard->ownsSelection() || offered == nullptr || !m_box->hasSelectedText() ||
            offered->hasFormat(secretMarks().front().first) ||
            offered->text() != m_box->selectedText())
            return;
        clipboard->setMimeData(secretCopy(m_box->selectedText()), QClipboard::Selection);
    }

    QLineEdit *m_box;
};

} // namespace

void markCopiesSecret(QLineEdit *box)
{
    new SecretCopies(box);
}

} // namespace keymint
