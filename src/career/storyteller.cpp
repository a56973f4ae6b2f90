// The senator's story as the turns move it, and the story window.
#include "career/storyteller.h"

#include <string>
#include <vector>

#include "career/storyteller_parts.h"
#include "state/Sound.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/random.h"
#include "state/showing.h"
#include "travel/UEvents.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm45> Form45{"TForm45"};

namespace {

constexpr int kLetterRank = 3;  // the senator writes to captains above it
constexpr int kChanceIn1000 = 100;

std::string LetterFirstLine(const Senator& s) {
    return std::string("One day you receive a letter from the senator ") + s.name + " from " +
           s.planet + " in the " + s.system + " system.";
}

std::vector<std::string> LetterLines(int faction) {
    const Senator& s = SenatorOf(faction);
    const std::string open = kQuote + std::string(s.salutation) + CaptainName();
    switch (faction) {
        case FactionId::Federation:
            return {LetterFirstLine(s),
                    open +
                        ". Your rise in ranks has not been unnoticed by me and I would eagerly "
                        "like to speak to you about your future. At best you visit me here on "
                        "Earth in the Sol system. Look me up at the governors office." +
                        kQuote};
        case FactionId::OuterRimAlliance:
            return {LetterFirstLine(s),
                    open +
                        ". I have been watching your career for some time now and I am sure "
                        "you can be of much help to our rightful cause.",
                    std::string("It would benefit both of us if you would meet me here on Hyraxan "
                                "VII in the Hyraxan system to speak about your future. You can "
                                "find me in the governors office.") +
                        kQuote};
        case FactionId::Syndicate:
            return {LetterFirstLine(s),
                    open +
                        ". I can recognize a warrior if I see him and your career looks "
                        "really promising. I would like to invite you for dinner to discuss "
                        "your future in the Syndicate.",
                    std::string("You can meet me here on Moscow Prime in the New Moscow system. "
                                "You can find me in the governors office.") +
                        kQuote};
        default:
            return {LetterFirstLine(s),
                    open +
                        ". Business can sometimes be unexpected, but if an opportunity arises "
                        "a wise man acts neverthless. You have an interesting career and I "
                        "would like to speak to you.",
                    std::string("You can meet me here on Paris in the New France system. You can "
                                "find me in the governors office.") +
                        kQuote};
    }
}

constexpr const char kTortugaLine[] =
    "The only information we have is that this pirate is hailing from a secret base. You might "
    "be able to get more information at a local bar on Tortuga. I hope you are hard drinking.";

std::vector<std::string> AbductionLines(int faction) {
    const Senator& s = SenatorOf(faction);
    if (MaleCaptain()) {
        return {LetterFirstLine(s),
                kQuote + std::string(s.salutation) + CaptainName() +
                    ". I am in urgent need of your help. While travelling to a nearby friend of "
                    "hers the ship of my daughter got attacked and boarded by the sinister pirate "
                    "Dodurive. He now demands a ransom out of reach of my personal assets and you "
                    "are my only hope!",
                " ",
                "Find and rescue my daughter and her hand shall be yours!",
                " ",
                kTortugaLine,
                " ",
                faction == FactionId::Syndicate ? "Fight well!" : "God bless you!"};
    }
    // The daughter writes plainer than her father: the Coalition's "Dear" too.
    const char* salutation = faction == FactionId::Coalition ? "Dear " : s.salutation;
    return {std::string("One day you receive a letter from the daughter of senator ") + s.name +
                " from " + s.planet + " in the " + s.system + " system.",
            salutation + CaptainName() +
                ". I am in urgent need of your help. While travelling to an appointement the ship "
                "of my father got attacked and boarded by the sinister pirate Dodurive. He now "
                "demands a ransom, but the government refuses to give in to ransom demands.",
            "I am afraid the fleet might be too busy fighting the war to help, so you are my only "
            "hope!",
            " ",
            "Find and rescue my father! He has always spoken good of you and I am sure he is in "
            "love. Do not let him down, please!",
            " ",
            kTortugaLine,
            " ",
            "God bless you!"};
}

void Letter() {
    const int f = CaptainFaction();
    GameRecord& story = CaptainFactionRecord();
    if (f == 0 || FactionRecord(f)[Faction::Rank] <= kLetterRank ||
        story[Faction::SenatorLetterReceived] != 0 || Random(1000) >= kChanceIn1000)
        return;
    story[Faction::SenatorLetterReceived] = 1;
    ShowStoryNotice("An unexpected letter", SenatorPicture(), LetterLines(f));
}

void Abduction() {
    GameRecord& story = CaptainFactionRecord();
    if (!AtStoryStep(StoryStep::GiftGiven) || story[Faction::StoryTurn] > G().TurnNumber ||
        Random(1000) >= kChanceIn1000)
        return;
    ShowStoryNotice("An unexpected letter", MaleCaptain() ? SenatorPicture() : DaughterPicture(),
                    AbductionLines(CaptainFaction()));
    story[Faction::StoryTurn] = CapValue(int64_t{G().TurnNumber} + 50 + Random(50));
    story[Faction::StoryStep] = StoryStep::Abducted;
}

bool CarriesSurveillance() {
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = PlayerShipSlot(s);
        if (slot[Slot::Used] > 0 &&
            EquipmentType(slot[Slot::EquipmentId])[Equipment::Kind] == EquipmentKind::Surveillance)
            return true;
    }
    return false;
}

void Scans() {
    struct Scan {
        int system;
        int field;
        const char* name;
    };
    static constexpr Scan kScans[] = {{14, Faction::TriangulationScan1, "New Scotland"},
                                      {8, Faction::TriangulationScan2, "New Berlin"},
                                      {7, Faction::TriangulationScan3, "New Wales"}};
    GameRecord& story = CaptainFactionRecord();
    for (const Scan& scan : kScans) {
        if (!AtStoryStep(StoryStep::Scanning) || FleetSystem() != scan.system ||
            story[scan.field] != 0 || StoryWaitsForTravel())
            continue;
        if (CarriesSurveillance()) {
            PlayReward1Sound();
            ShowStoryLine(std::string("Your surveillance computer has successfully finished the "
                                      "triangular scan of the ") +
                              scan.name + " system.",
                          "cockpit.jpg");
            story[scan.field] = 1;
        } else if (story[Faction::ScanMessageShown] == 0) {
            story[Faction::ScanMessageShown] = 1;
            PlayBadSound();
            ShowStoryLine(
                "You need surveillance equipment to start a triangular scan. You can "
                "buy it on a planet from an equipment dealer.",
                "misc.jpg");
        }
    }
}

// A site of the space events standing on the record or on the cell goes first, slot and site
// together, so no event slot is left naming the jump point and no cell holds two locations.
void PlaceHiddenJumpPoint(int system, int location, int column, int row, const char* description) {
    GameState& g = G();
    for (int e = SpaceEvent::FirstSlot; e <= SpaceEvent::LastSlot; ++e) {
        GameRecord& event = g.SpaceEvents[system][e];
        if (event[SpaceEvent::Active] != 1) continue;
        const int site = event[SpaceEvent::Location];
        const GameRecord& p = LocationRecord(system, site);
        const bool onCell =
            p[Planet::Exists] > 0 && p[Planet::MapColumn] == column && p[Planet::MapRow] == row;
        if (site != location && !onCell) continue;
        if (SpaceEventSlotAt(system, site) == e) LocationRecord(system, site)[Planet::Exists] = 0;
        event[SpaceEvent::Active] = 0;
    }
    GameRecord& p = LocationRecord(system, location);
    for (int field = kFirstField; field <= kLastField; ++field) p[field] = 0;
    g.PlanetNames[system][location] = "Hidden Jump";
    g.PlanetDescriptions[system][location] = description;
    p[Planet::Exists] = 1;
    p[Planet::Kind] = PlanetKind::Special;
    p[Planet::Picture] = 12;
    p[Planet::MapColumn] = column;
    p[Planet::MapRow] = row;
    p[Planet::Owner] = LocationRecord(system, 1)[Planet::Owner];
}

void HiddenJumpPoint() {
    GameRecord& story = CaptainFactionRecord();
    if (!AtStoryStep(StoryStep::Scanning) || story[Faction::TriangulationScan1] != 1 ||
        story[Faction::TriangulationScan2] != 1 || story[Faction::TriangulationScan3] != 1 ||
        StoryWaitsForTravel())
        return;
    PlayReward2Sound();
    ShowStoryLine(
        "Congratulations! You finished the triangular scan and have located a hidden "
        "jumppoint in the New Wales system.",
        "cockpit.jpg");
    story[Faction::StoryStep] = StoryStep::PartnerPoint;
    PlaceHiddenJumpPoint(kPartnerSystem, kPartnerLocation, 3, 3,
                         "Jumppoint to the hidden location where Blackeyes partner has been "
                         "abandoned.");
    RefreshTravelScreen();
}

void AbandonedPirate() {
    if (!AtStoryStep(StoryStep::PartnerPoint) || FleetSystem() != kPartnerSystem ||
        FleetLocation() != kPartnerLocation || StoryWaitsForTravel())
        return;
    PlayReward1Sound();
    ShowStoryLine("You jump through the jumppoint and find the unpopulated planet.",
                  "earth11r.jpg");
    PlayReward2Sound();
    ShowStoryNotice(
        "Abandoned pirate", "pirate3.jpg",
        {"Your sensors are able to locate the lost pirate pretty fast. You take him on board and "
         "promise to drop him on the next planet you stop by.",
         " ",
         std::string(kQuote) +
             "Thank you, I guess. Sorry, my manners were not the best in the first place, but a "
             "couple of years alone on an unpopulated planet didnt help it exactly.",
         "So you are looking for the coward Dodurive. If you find him make sure you kill him for "
         "me. I will tell you how to find his base. Come, show me your maps.",
         std::string("The hidden jumppoint is located in the Barbados system, quiet a way from "
                     "here. He keeps his prisoners on the base, so you can destroy his ship and "
                     "kill him without worrying about his prisoners.") +
             kQuote});
    CaptainFactionRecord()[Faction::StoryStep] = StoryStep::BasePoint;
    PlayerFleet()[Fleet::Location] = 5;
    G().SelectedPlanet = 5;
    RemoveHiddenJumpPoint(kPartnerSystem, kPartnerLocation);
    RefreshTravelScreen();
    PlaceHiddenJumpPoint(kBaseSystem, kBaseLocation, 3, 1, "Jumppoint to Blackeyes secret base.");
}

}  // namespace

// One turn of the story, in this order; several blocks may fire in the same turn.
void UpdateSenatorStory() {
    static constexpr void (*kBlocks[])() = {Letter,          Abduction,       Scans,
                                            HiddenJumpPoint, AbandonedPirate, DodurivesBase};
    for (auto block : kBlocks) {
        if (CaptainFaction() == 0) return;
        block();
    }
}

bool StoryWaitsForTravel() {
    return TravelProgressShowing() && PlayerFleet()[Fleet::DaysLeft] != 0;
}

void RemoveHiddenJumpPoint(int system, int location) {
    LocationRecord(system, location)[Planet::Exists] = 0;
}

void RemoveStoryLocations(const GameRecord& story) {
    // Only at these steps are the records the story's own; otherwise an event may stand there.
    if (story[Faction::StoryStep] == StoryStep::PartnerPoint)
        RemoveHiddenJumpPoint(kPartnerSystem, kPartnerLocation);
    if (story[Faction::StoryStep] == StoryStep::BasePoint)
        RemoveHiddenJumpPoint(kBaseSystem, kBaseLocation);
}

TForm45::TForm45() : ui::Form("TForm45") {
    Label1 = Bind<ui::Label>("Label1");
    Memo1 = Bind<ui::Memo>("Memo1");
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton15 = Bind<ui::SpeedButton>("SpeedButton15");
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
}

void TForm45::SpeedButton15Click() {
    PlayButtonSound();
    Close();
}

void ShowStoryWindow(const std::string& title, const std::string& file) {
    Form45->Memo1->Clear();
    Form45->Memo1->LoadFromFile(file);
    Form45->Label1->caption = title;
    Form45->ShowModal();
}

}  // namespace corvanth
