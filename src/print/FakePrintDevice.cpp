#include "print/FakePrintDevice.h"

TFakePrintDevice::TFakePrintDevice(int dotsPerInch, const QSizeF& paperInches)
    : portraitPaper_(paperInches), surface_(paperInches, dotsPerInch)
{
}

bool TFakePrintDevice::ExecSetupDialog(QWidget*)
{
    ++setupDialogCalls;
    return setupDialog ? setupDialog(*this) : true;
}

QSizeF TFakePrintDevice::PaperInches() const
{
    return orientation_ == poLandscape ? portraitPaper_.transposed() : portraitPaper_;
}

void TFakePrintDevice::SetOrientation(TPrintOrientation orientation)
{
    orientation_ = orientation;
    surface_.SetPaperInches(PaperInches());
}

bool TFakePrintDevice::BeginDoc(const QString& title)
{
    if (!CanPrint())
        return false;
    ++jobsBegun;
    jobTitle = title;
    jobCopies = copies_;
    jobOrientation = orientation_;
    surface_.Clear();
    surface_.StartSheet();
    return true;
}

bool TFakePrintDevice::NewPage()
{
    surface_.StartSheet();
    return true;
}

bool TFakePrintDevice::EndDoc()
{
    ++jobsEnded;
    return true;
}

void TFakePrintDevice::AbortDoc()
{
    ++jobsAborted;
}
