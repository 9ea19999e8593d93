#include "page/MainWindowServices.h"

#include "persist/Component.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"

void TMainWindowServices::ShowInfoMessage(const QString& text)
{
    ShowInfo(text);
}

bool TMainWindowServices::AskYesNoQuestion(const QString& text, const QString& caption)
{
    return AskYesNo(text, caption);
}

QString TMainWindowServices::DataFolder() const
{
    return ProgramDataFolder();
}

QString TMainWindowServices::UserFolder() const
{
    return UserDataFolder();
}

TMainWindowServices* MainWindowOf(const TComponent* component)
{
    for (const TComponent* c = component; c; c = c->Owner()) {
        if (auto* services = dynamic_cast<TMainWindowServices*>(const_cast<TComponent*>(c)))
            return services;
    }
    return nullptr;
}
