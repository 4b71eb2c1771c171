#pragma once

#include <QObject>

#include <optional>

class QWheelEvent;

// The application-wide hook of the main window (AppMessage): while installed,
// every vertical mouse-wheel turn becomes an Up or Down key press for the
// focused control, so one notch moves the grid by one record.
class WheelTranslation : public QObject
{
    Q_OBJECT
public:
    explicit WheelTranslation(QObject *parent = nullptr);
    ~WheelTranslation() override;

    void install();
    void remove();
    bool isInstalled() const { return m_installed; }

    // Qt::Key_Up for a turn away from the user, Qt::Key_Down otherwise (a
    // turn of 0 included); none for horizontal turns and for the begin and
    // end notices of touchpad gestures, which are no wheel turns at all.
    static std::optional<int> KeyFor(const QWheelEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool AppMessage(QObject *watched, QEvent *event);

    bool m_installed = false;
};

// The rule for modal windows: while a command's dialog is up, the wheel
// behaves normally; the translation comes back when the guard goes, if it
// was there before.
class ModalWindowRule
{
public:
    explicit ModalWindowRule(WheelTranslation &translation);
    ~ModalWindowRule();
    ModalWindowRule(const ModalWindowRule &) = delete;
    ModalWindowRule &operator=(const ModalWindowRule &) = delete;

private:
    WheelTranslation &m_translation;
    bool m_wasInstalled;
};
