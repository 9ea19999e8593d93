#pragma once
// Shared ground of the page-object kinds' tests: a form that owns the objects
// and holds the master rich-text control, a page on it, answering a modal
// dialog from inside its event loop, and words of a PDF with their places.
#include <QApplication>
#include <QList>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "objects/GBasePanel.h"
#include "page/MainWindowServices.h"
#include "persist/Component.h"

class TWPRichText;

// A window that owns page objects, like the main window.
class KindsForm : public QWidget, public TComponent, public TMainWindowServices {
public:
    explicit KindsForm(bool withMaster = true);
    TWPRichText* MasterRichText() const override { return master; }
    TWPRichText* CellEditor() const override { return nullptr; }
    int CurrentCell() const override { return 0; }
    TWPRtfStorage* EditedCellText() const override { return nullptr; }
    void DoSaveRichtext() override {}
    void SetModified(bool) override {}
    TGBasePanel* page = nullptr;
    TWPRichText* master = nullptr;
    int changes = 0;
};

// Runs `answer` on the dialog of type D once it is shown modally.
template <class D>
void AnswerNextDialog(std::function<void(D&)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start();
}

// A word of a PDF page and its box in inches from the paper's corner.
struct PdfWord {
    QString text;
    QRectF inches;
};
// pdftotext -bbox of the first page; empty when pdftotext is missing.
QList<PdfWord> PdfWords(const QString& pdfFile);
bool HavePdfToText();
