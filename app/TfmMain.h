#pragma once

#include "app/CertificateControls.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QScrollArea;
class QSplitter;
class TAboutBox;
class TfrxReport;

// The certificate window: the blank's picture with the entry controls over its boxes, the command
// panel, the exit button and the main menu.
class TfmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    const CertificateControls& controls() const { return FControls; }
    const QString& certificateFileName() const { return FCertificateFileName; }

    QAction* openAction() const { return FOpenAction; }
    QAction* saveAsAction() const { return FSaveAsAction; }
    QAction* saveAction() const { return FSaveAction; }
    QAction* exitAction() const { return FExitAction; }
    QAction* clearAction() const { return FClearAction; }
    QAction* printAction() const { return FPrintAction; }
    QAction* aboutAction() const { return FAboutAction; }
    TAboutBox* aboutBox() const { return FAboutBox; }
    TfrxReport* frxReport1() const { return FReport.get(); }

    // How far the print command got before the preview.
    enum class CertificateFill { Filled, RecordInvalid, TemplateMissing };

    // Commands of the menu and the buttons.
    void openCommand();
    void saveAsCommand();
    void saveCommand();
    void clearCommand();
    void printCommand();
    void layoutCommand();
    void mockupCommand();

    // Reads a certificate file into the controls, as the open command does after its dialog.
    void openCertificate(const QString& fileName);
    // The print command up to the preview: validation, loading shablon.fr3 beside the executable
    // and the template fill. What stops it is shown in a message box.
    CertificateFill fillCertificateReport();

    // Reformats every hours field with "0.#" and puts their sum into the total; stops with an
    // error at the first field that does not hold a number.
    void normalizeHours();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command as a slot that shows its errors instead of letting them escape.
    std::function<void()> guarded(void (TfmMain::*command)());
    void createMenu();
    QWidget* createEntryArea();
    QWidget* createCommandPanel();
    QWidget* createBottomPanel();
    void setDatesToToday();
    void mirrorCategory(const QString& category);
    QString dialogFolder() const;
    void writeCertificate(const QString& fileName);
    // shablon.fr3 beside the executable; loading it replaces the report's whole template.
    QString templateFileName() const;
    bool loadTemplate();

    CertificateControls FControls;
    QString FCertificateFileName;
    QScrollArea* FEntryArea = nullptr;
    QSplitter* FSplitter = nullptr;
    QAction* FOpenAction = nullptr;
    QAction* FSaveAsAction = nullptr;
    QAction* FSaveAction = nullptr;
    QAction* FExitAction = nullptr;
    QAction* FClearAction = nullptr;
    QAction* FPrintAction = nullptr;
    QAction* FAboutAction = nullptr;
    TAboutBox* FAboutBox = nullptr;
    std::unique_ptr<TfrxReport> FReport;
};
