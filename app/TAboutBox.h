#pragma once

#include <QDialog>

// The About box; it keeps no state between showings.
class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
