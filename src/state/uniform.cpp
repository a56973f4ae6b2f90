// The dress uniform's pictures and their places, worked out without any screen.
#include "state/uniform.h"

#include <algorithm>
#include <array>
#include <utility>

#include "state/tables.h"
#include "ui/form.h"

namespace corvanth {

namespace {

constexpr int kMaxRibbons = 12;
constexpr int kRibbonsPerRow = 4;

// By faction 1..4: the uniform word, and the word of ribbons, medals and wings.
constexpr std::array<const char*, 5> kUniformWord = {"", "Fed", "outerrim", "Synd", "Coal"};
constexpr std::array<const char*, 5> kAwardWord = {"", "Fed-", "Outerrim-", "Synd-", "Coal-"};
// Insignia by rank 1..8; rank 0 wears none.
constexpr std::array<const char*, 9> kInsignia = {"",      "-ensign", "-2ndLt", "-1stLt", "-Lt",
                                                  "-Comm", "-Capt",   "-Adm",   "-Adm"};

struct Point {
    int left, top;
};

Point CollarOf(int faction, int rank) {
    switch (faction) {
        case FactionId::Federation:
            if (rank <= 2) return {7, 44};
            if (rank == 3) return {7, 40};
            if (rank <= 5) return {12, 47};
            return {6, 44};
        case FactionId::OuterRimAlliance:
            return {10, 60};
        case FactionId::Syndicate:
            return {14, 42};
        default:
            return {6, 54};
    }
}

Point ShoulderOf(int faction) {
    switch (faction) {
        case FactionId::Federation:
            return {85, 55};
        case FactionId::OuterRimAlliance:
            return {91, 54};
        case FactionId::Syndicate:
            return {98, 60};
        default:
            return {99, 62};
    }
}

// A row of k ribbons: a full row spans the pocket, a shorter last row is centred.
int RibbonLeft(int inRow, int column) {
    static constexpr int kLefts[4][4] = {{120}, {103, 140}, {83, 120, 157}, {64, 101, 138, 175}};
    return kLefts[inRow - 1][column];
}

}  // namespace

std::vector<UniformPiece> ComposeUniform(const UniformWearer& w) {
    std::vector<UniformPiece> pieces;
    auto add = [&](std::string component, std::string picture, int left, int top, bool visible) {
        pieces.push_back({std::move(component), std::move(picture), left, top, visible});
        return pieces.size() - 1;
    };
    const bool known = w.faction >= FactionId::Federation && w.faction <= FactionId::Coalition;
    const int f = known ? w.faction : 0;
    const std::string u = kUniformWord[f], q = kAwardWord[f];
    const int rank = std::clamp(w.rank, 0, 8);
    const bool commander = rank >= 7;

    // 1. The uniform itself.
    add("Image33",
        known ? "Uni-" + u + "-blank" + (commander ? "-com" : "") + (w.gender == 2 ? "-fem" : "") +
                    ".jpg"
              : "",
        0, 0, known);

    // 2. Rank insignia on the shoulder and the collar; the admiral of rank 7 wears neither.
    Point shoulder = ShoulderOf(f), collar = CollarOf(f, rank);
    if (rank == 7) shoulder = {170, 70}, collar = {7, 57};
    if (rank == 8) shoulder = {170, 70}, collar = {7, 60};
    const bool insignia = known && rank >= 1 && rank != 7;
    const std::string code = known && rank >= 1 ? "Uni-" + u + kInsignia[rank] : "";
    add("ShoulderRankPic", code.empty() ? "" : code + "-shoulder.jpg", shoulder.left, shoulder.top,
        insignia);
    add("CollarRankPic", code.empty() ? "" : code + "-collar.jpg", collar.left, collar.top,
        insignia);

    // 3. Pilot wings by level; commanders wear none. A level no award gives moves nothing.
    const std::string wings = known ? q + "Pilotwings.jpg" : "";
    const int level = known && !commander ? w.wings : 0;
    const bool odd = level < 0 || level > 3;
    pieces[add("PilotWingsPicLeft", wings, level == 3 ? 64 : 88, 152, level == 2 || level == 3)]
        .keepPlace = odd;
    pieces[add("PilotWingsPicMiddle", wings, 112, 152, level == 1 || level == 3)].keepPlace = odd;
    pieces[add("PilotWingsPicRight", wings, level == 3 ? 160 : 136, 152, level == 2 || level == 3)]
        .keepPlace = odd;

    // 4. Ribbons in rows of four under the wings.
    const int ribbons = known ? std::clamp(w.ribbons, 0, kMaxRibbons) : 0;
    for (int k = 1; k <= kMaxRibbons; ++k) {
        const int row = (k - 1) / kRibbonsPerRow, column = (k - 1) % kRibbonsPerRow;
        const int inRow = std::min(kRibbonsPerRow, std::max(1, ribbons - row * kRibbonsPerRow));
        const bool shown = k <= ribbons;
        add("RibbonPic" + std::to_string(k), known ? q + "ribbon" + std::to_string(k) + ".jpg" : "",
            shown ? RibbonLeft(inRow, column) : 0, 176 + 16 * row, shown);
    }

    // 5. Medals: in a row below the ribbons, or on the commander's medal bar.
    const bool awarded[3] = {known && w.silverStar, known && w.goldStar, known && w.topMedal};
    const char* const medalNames[3] = {"SilverStarMedal", "GoldStarMedal", "HonorMedal"};
    const char* const medalFiles[3] = {"Medal-SilverStar.jpg", "Medal-GoldStar.jpg",
                                       "MedalofHonor.jpg"};
    std::array<Point, 3> at{};
    if (commander) {
        at = {Point{182, 19}, Point{216, 19}, Point{253, 12}};
    } else {
        // The row sits lower the more ribbon rows there are above it.
        const int top = w.ribbons < 5 ? 200 : w.ribbons <= 8 ? 216 : 232;
        const int count = awarded[0] + awarded[1] + awarded[2];
        static constexpr int kLefts[4][3] = {{0}, {123}, {99, 147}, {75, 171, 123}};
        for (int m = 0, shown = 0; m < 3; ++m)
            at[m] = {awarded[m] ? kLefts[count][shown++] : 0, top};
    }
    for (int m = 0; m < 3; ++m)
        add(medalNames[m], known ? q + medalFiles[m] : "", at[m].left, at[m].top, awarded[m]);
    add("AwardPlace", known ? "Uni-" + q + "awardplace.jpg" : "", 176, 6, known && commander);
    return pieces;
}

UniformForm::UniformForm(std::string className) : ui::Form(std::move(className)) {
    Image33 = Bind<ui::Image>("Image33");
    ShoulderRankPic = Bind<ui::Image>("ShoulderRankPic");
    CollarRankPic = Bind<ui::Image>("CollarRankPic");
    PilotWingsPicLeft = Bind<ui::Image>("PilotWingsPicLeft");
    PilotWingsPicMiddle = Bind<ui::Image>("PilotWingsPicMiddle");
    PilotWingsPicRight = Bind<ui::Image>("PilotWingsPicRight");
    for (size_t k = 0; k < RibbonPic.size(); ++k)
        RibbonPic[k] = Bind<ui::Image>("RibbonPic" + std::to_string(k + 1));
    SilverStarMedal = Bind<ui::Image>("SilverStarMedal");
    GoldStarMedal = Bind<ui::Image>("GoldStarMedal");
    HonorMedal = Bind<ui::Image>("HonorMedal");
    AwardPlace = Bind<ui::Image>("AwardPlace");
}

void ApplyUniform(ui::Form& screen, const std::vector<UniformPiece>& pieces) {
    for (const UniformPiece& piece : pieces) {
        auto* image = dynamic_cast<ui::Image*>(screen.Find(piece.component));
        if (!image) continue;
        image->LoadPicture(piece.picture);
        if (piece.keepPlace) continue;
        image->left = piece.left;
        image->top = piece.top;
        image->visible = piece.visible;
    }
}

UniformWearer CaptainUniform() {
    UniformWearer w;
    w.faction = CaptainFaction();
    w.gender = Captain()[Player::Gender];
    if (w.faction == 0) return w;
    const GameRecord& standing = FactionRecord(w.faction);
    w.rank = standing[Faction::Rank];
    w.wings = standing[Faction::PilotWings];
    w.ribbons = standing[Faction::CampaignRibbons];
    w.silverStar = standing[Faction::SilverStar] == 1;
    w.goldStar = standing[Faction::GoldStar] == 1;
    w.topMedal = standing[Faction::MedalOfHonour] == 1;
    return w;
}

std::string MedalName(int faction, bool gold) {
    static constexpr const char* kSilver[] = {"", "Silver Nova", "Silver Eagle", "Silver Ying-Yang",
                                              "Crimson Cross"};
    static constexpr const char* kGold[] = {"", "Gold Nova", "Gold Eagle", "Gold Ying-Yang",
                                            "Gold Cross"};
    if (!PlayableFaction(faction)) return "";
    return gold ? kGold[faction] : kSilver[faction];
}

}  // namespace corvanth
