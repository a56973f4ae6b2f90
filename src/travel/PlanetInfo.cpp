// The planet information screen behind the travel screen's "Info".
#include "travel/PlanetInfo.h"

#include "state/Sound.h"
#include "state/pictures.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm53> Form53{"TForm53"};

TForm53::TForm53() : ui::Form("TForm53") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label4 = Bind<ui::Label>("Label4");
    Label3 = Bind<ui::Label>("Label3");
    Label7 = Bind<ui::Label>("Label7");
    Label8 = Bind<ui::Label>("Label8");
    Label9 = Bind<ui::Label>("Label9");
    Label10 = Bind<ui::Label>("Label10");
    Label11 = Bind<ui::Label>("Label11");
    Label12 = Bind<ui::Label>("Label12");
    Label5 = Bind<ui::Label>("Label5");
    SpeedButton15 = Bind<ui::SpeedButton>("SpeedButton15");
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
}

void TForm53::SpeedButton15Click() {
    PlayButtonSound();
    Close();
}

void FillPlanetInfoForm() {
    TForm53& form = *Form53;
    GameState& g = G();
    const int s = FleetSystem(), l = g.SelectedPlanet;
    const GameRecord& p = LocationRecord(l);
    form.Image1->LoadPicture(GetPlanetPictureNameR(p[Planet::Picture]));
    form.Label1->caption = LocationName(l);
    static const char* const kRatings[] = {
        "Sector rating: 0/5 (None)",   "Sector rating: 1/5 (Weak)", "Sector rating: 2/5 (Low)",
        "Sector rating: 3/5 (Normal)", "Sector rating: 4/5 (Good)", "Sector rating: 5/5 (Strong)",
    };
    const int rating = ValidSystem(s) ? g.StarSystems[s][StarSystem::SectorRating] : -1;
    if (rating >= 0 && rating <= 5) form.Label2->caption = kRatings[rating];
    const struct {
        ui::Label* label;
        const char* text;
        int field;
    } counts[] = {
        {form.Label7, "Agriculture plantages: ", Planet::AgricultureFacilities},
        {form.Label8, "Low-tech plants: ", Planet::LowTechFacilities},
        {form.Label9, "High-tech industry: ", Planet::HighTechFacilities},
        {form.Label10, "Luxuary centers: ", Planet::LuxuryFacilities},
        {form.Label11, "Mines: ", Planet::MineFacilities},
        {form.Label12, "Medical facilities: ", Planet::MedicalFacilities},
        {form.Label5, "Illegal labs: ", Planet::IllegalLabs},
    };
    for (const auto& c : counts) c.label->caption = c.text + std::to_string(p[c.field]);
    form.Label3->caption =
        ValidSystem(s) && ValidLocation(l) ? g.PlanetDescriptions[s][l].str() : "";
}

}  // namespace corvanth
