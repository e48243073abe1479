#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

// The one program-wide instance of a dialog: made on first use, shown modeless and without an
// owner, and made again from its design after the dialog has been unloaded.
class DefaultInstance
{
public:
    using Loader = std::function<QDialog *()>;

    explicit DefaultInstance(Loader load) : m_load(std::move(load)) {}
    ~DefaultInstance() { delete m_form; }
    DefaultInstance(const DefaultInstance &) = delete;
    DefaultInstance &operator=(const DefaultInstance &) = delete;

    void show()
    {
        if (!m_form || m_form->isHidden()) {
            // A closed dialog is on its way out; it goes now, and a new one takes its place.
            delete m_form;
            m_form = m_load();
        }
        if (m_form->isVisible()) {
            // Already open: the same window comes to the front.
            m_form->raise();
            m_form->activateWindow();
        }
        m_form->show();
    }

private:
    Loader m_load;
    QPointer<QDialog> m_form;
};
