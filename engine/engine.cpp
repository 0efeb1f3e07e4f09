#include "engine/engine.h"

#include "platform/ui.h"

Engine::Engine(const ProgramFolder& folder_, UserInterface& ui_, SurfaceFactory surfaces)
    : folder(folder_), ui(ui_), Bangumi(folder_, ui_), Sensyu(ui_), Kekka(ui_), raceCard(surfaces), focus(surfaces),
      result(surfaces)
{
}

int Engine::StadiumNumber() const
{
    bool ok = false;
    const int n = Bangumi.KyoteijyoCode().toInt(&ok);
    return ok ? n : 0;
}

void ShowEngineError(Engine& e, const QString& description, const QString& title)
{
    e.ui.ShowMessage(description, MsgIcon::Warning, title);
}
