#pragma once

#include "report/model/ReportErrors.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewForm.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Commands that show the preview window modally return only when it closes. The watcher looks for
// preview windows while the modal loop runs and, once the report in one has been prepared, hands
// the window to the test (which by default closes it).
class PreviewWatcher : public QObject {
public:
    using Action = std::function<void(TfrxPreviewForm&)>;

    explicit PreviewWatcher(Action onPrepared = [](TfrxPreviewForm& form) { form.close(); })
        : FOnPrepared(std::move(onPrepared))
    {
        connect(&FTimer, &QTimer::timeout, this, &PreviewWatcher::look);
        FTimer.start(5);
        // The report subsystem's error boxes are modal too: their texts are kept instead.
        FPreviousErrorBox = frxSetErrorBoxHandler([this](const QString& text) { FErrors << text; });
    }
    ~PreviewWatcher() override { frxSetErrorBoxHandler(FPreviousErrorBox); }

    void setAction(Action onPrepared) { FOnPrepared = std::move(onPrepared); }
    int shown() const { return FShown; }
    QStringList& errors() { return FErrors; }

private:
    void look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TfrxPreviewForm*>(widget);
            if (!form || !form->isVisible() || form->property("watched").toBool())
                continue;
            form->setProperty("watched", true);
            ++FShown;
            QPointer<TfrxPreviewForm> guarded(form);
            // Handed over from the event loop, once PrepareReport has returned.
            connect(
                form->GetPreview(), &TfrxPreview::preparationFinished, this,
                [this, guarded] {
                    QTimer::singleShot(0, this, [this, guarded] {
                        if (guarded)
                            FOnPrepared(*guarded);
                    });
                },
                Qt::SingleShotConnection);
        }
    }

    Action FOnPrepared;
    QTimer FTimer;
    int FShown = 0;
    QStringList FErrors;
    TfrxErrorBoxHandler FPreviousErrorBox;
};
