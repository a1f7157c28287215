#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks for the text that the preview searches for, and whether to search from the first page and
// match letter case. The text field starts with the last text accepted in this process, selected.
class TfrxSearchDialog : public QDialog {
    Q_OBJECT

public:
    explicit TfrxSearchDialog(QWidget* parent = nullptr);
    ~TfrxSearchDialog() override;

    QString GetTextToFind() const;
    bool GetSearchFromBeginning() const;
    bool GetCaseSensitive() const;

    void accept() override;

private:
    QLineEdit* FTextE;
    QCheckBox* FFromBeginningCB;
    QCheckBox* FCaseSensitiveCB;
};
