#include "objects/kinds/HeadlessOwner.h"

#include "objects/kinds/GPRichBaseLabel.h"
#include "richtext/WPRichText.h"

THeadlessOwner::THeadlessOwner() : master_(std::make_unique<TWPRichText>())
{
    master_->setObjectName(QLatin1String(TGPRichBaseLabel::MasterName));
    master_->hide();
}

// The owned page objects go first (the base class frees them): they may still
// hold the master.
THeadlessOwner::~THeadlessOwner()
{
    while (!Components().isEmpty())
        delete Components().last();
}
