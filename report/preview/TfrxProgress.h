#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small window that shows how a long operation gets on, with a Cancel button (also Esc).
// While it exists the window that was active when it opened is disabled. It has no frame; dragging
// its body moves it.
class TfrxProgress : public QWidget {
    Q_OBJECT

public:
    // ShowBar false hides the progress bar (printing) and moves the message down instead.
    explicit TfrxProgress(bool ShowBar, QWidget* parent = nullptr);
    ~TfrxProgress() override;

    void SetMessage(const QString& text);
    void SetPosition(int value, int maximum);
    bool GetTerminated() const { return FTerminated; }

    QLabel* GetMessageLabel() const { return FMessage; }
    QPushButton* GetCancelButton() const { return FCancelB; }

signals:
    void cancelled();

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Cancel();
    void EnableDisabledWindow();

    QLabel* FMessage;
    QProgressBar* FBar;
    QPushButton* FCancelB;
    bool FTerminated = false;
    QPointer<QWidget> FDisabledWindow;
    QPoint FDragStart;
};
