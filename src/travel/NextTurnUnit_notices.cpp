// The notice dialogs as the turn and the world events show them.
#include "travel/NextTurnUnit_notices.h"

#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

void ShowFixedNotice(const std::string& text, const std::string& picture) {
    if (!Message6) return;
    Message6->Label1->caption = text;
    Message6->Image2->LoadPicture(picture);
    Message6->CheckBox1->enabled = false;
    Message6->ShowModal();
    Message6->CheckBox1->enabled = true;
}

void ShowSwitchableNotice(const std::string& text, const std::string& picture, int playerField) {
    if (!Message6) return;
    Message6->Label1->caption = text;
    Message6->Image2->LoadPicture(picture);
    Message6->CheckBox1->checked = false;
    Message6->CheckBox1->enabled = true;
    Message6->ShowModal();
    if (Message6->CheckBox1->checked) Captain()[playerField] = 1;
}

void ShowLongNotice(const std::string& headline, const std::string& picture,
                    const std::vector<std::string>& lines) {
    if (!Message4) return;
    ui::Memo& memo = *Message4->Memo1;
    memo.Clear();
    memo.scrollBars = ui::ScrollBars::None;
    for (const std::string& line : lines) memo.lines.push_back(line);
    memo.scrollBars = ui::ScrollBars::Vertical;
    Message4->Label2->caption = headline;
    Message4->Image1->LoadPicture(picture);
    Message4->Shape3->brushColor = ui::colors::White;
    Message4->ShowModal();
}

}  // namespace corvanth
