#pragma once
// The owner of a page and its objects where there is no main window (the
// command-line tool, fuzzing): it holds the hidden master rich-text control
// that rich-text boxes lay out and paint through, so documents holding them
// read, draw and print as in the program. It has no cell editor and no
// document to mark.
#include <memory>

#include "page/MainWindowServices.h"
#include "persist/Component.h"

class THeadlessOwner : public TComponent, public TMainWindowServices {
public:
    THeadlessOwner();
    ~THeadlessOwner() override;

    TWPRichText* MasterRichText() const override { return master_.get(); }
    TWPRichText* CellEditor() const override { return nullptr; }
    int CurrentCell() const override { return 0; }
    TWPRtfStorage* EditedCellText() const override { return nullptr; }
    void DoSaveRichtext() override {}
    void SetModified(bool) override {}

private:
    std::unique_ptr<TWPRichText> master_;
};
