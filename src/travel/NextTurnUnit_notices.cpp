// The notice dialogs as the turn and the world events show them.
#include "travel/NextTurnUnit_notices.h"

#include "state/UMessage4.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

void ShowSwitchableNotice(const std::string& text, const std::string& picture, int playerField) {
    if (!Message6) return;
    Message6->Label1->caption = text;
    Message6->Image2->LoadPicture(picture);
    Message6->CheckBox1->checked = false;
    Message6->CheckBox1->enabled = true;
    Message6->ShowModal();
    if (Message6->CheckBox1->checked) Captain()[playerField] = 1;
}

namespace {

void FillMemo(ui::Memo& memo, const std::vector<std::string>& lines) {
    memo.Clear();
    memo.scrollBars = ui::ScrollBars::None;
    for (const std::string& line : lines) memo.lines.push_back(line);
    memo.scrollBars = ui::ScrollBars::Vertical;
}

}  // namespace

void ShowLongNotice(const std::string& headline, const std::string& picture,
                    const std::vector<std::string>& lines) {
    if (!Message4) return;
    FillMemo(*Message4->Memo1, lines);
    Message4->Label2->caption = headline;
    Message4->Image1->LoadPicture(picture);
    Message4->Shape3->brushColor = ui::colors::White;
    Message4->ShowModal();
}

bool ShipLacksCrew() {
    const GameRecord& ship = PlayerShip();
    int64_t crew = 0;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) crew += ship[Ship::CrewBase + k];
    return ship[Ship::CrewMin] >= 1 && crew <= 0;
}

bool ShowNoCrewNoticeOnce(const std::string& text) {
    GameRecord& fleet = PlayerFleet();
    if (!ShipLacksCrew()) {
        fleet[Fleet::NoCrewNoticeShown] = 0;
        return false;
    }
    if (fleet[Fleet::NoCrewNoticeShown] == 0) {
        fleet[Fleet::NoCrewNoticeShown] = 1;
        ShowFixedNotice(text, GetShipPictureName(PlayerShip()[Ship::Class]));
    }
    return true;
}

int AskChoice(const std::string& headline, const std::string& picture,
              const std::vector<std::string>& lines, const std::string& first,
              const std::string& second, bool firstEnabled) {
    if (!Message5) return 2;
    TMessage5& box = *Message5;
    FillMemo(*box.Memo1, lines);
    box.Label2->caption = headline;
    box.Image1->LoadPicture(picture);
    box.Shape3->brushColor = ui::colors::White;
    box.SpeedButton1->caption = first;
    box.SpeedButton2->caption = second;
    box.SpeedButton1->enabled = firstEnabled;
    box.SpeedButton2->enabled = true;
    // The box is left as the other callers expect it, even when the game ends inside it.
    struct Restore {
        TMessage5& box;
        ~Restore() {
            box.SpeedButton1->enabled = true;
            box.SpeedButton1->caption = "Accept";
            box.SpeedButton2->caption = "Decline";
        }
    } restore{box};
    Message5Result = 0;
    box.ShowModal();
    return Message5Result;
}

void ShowStoryNotice(const std::string& headline, const std::string& picture,
                     const std::vector<std::string>& lines) {
    if (!exp1_message1) return;
    FillMemo(*exp1_message1->Memo1, lines);
    exp1_message1->Label2->caption = headline;
    exp1_message1->Image1->LoadPicture(picture);
    exp1_message1->Shape3->brushColor = ui::colors::White;
    exp1_message1->ShowModal();
}

void ShowStoryLine(const std::string& text, const std::string& picture) {
    if (!exp1_Message2) return;
    exp1_Message2->Label1->caption = text;
    exp1_Message2->Image2->LoadPicture(picture);
    exp1_Message2->ShowModal();
}

}  // namespace corvanth
