// Every picture painter and sound synthesiser the catalogue can name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace corvanth::assets {

// What one file of a catalogue row is: its name, the values its name pattern chose (a number
// for a {a..b} range, the position for a {x,y} list), the row's style and its seed.
struct Params {
    std::string name;
    std::vector<int> arg;
    int style = 0;
    uint64_t seed = 0;
    int Arg(size_t i, int fallback = 0) const { return i < arg.size() ? arg[i] : fallback; }
};

using Paint = void (*)(Image&, const Params&);
using Synth = std::vector<float> (*)(const Params&);

// Styles of PaintPlanet.
enum PlanetStyle {
    kEarth,
    kTerra,
    kRed,
    kMars,
    kDark,
    kDesert,
    kJungle,
    kOcean,
    kMoon,
    kToxic,
    kIce,
    kSaturn,
    kJupiter
};
// Styles of PaintSite: special locations and space-event sites.
enum SiteStyle {
    kAsteroids,
    kWormhole,
    kAnomaly,
    kAnomalySmall,
    kNavPoint,
    kStation,
    kLifepod,
    kGhostship,
    kTreasure,
    kArtefact,
    kAntenna,
    kPassenger,
    kContainer
};
// Styles of PaintPerson.
enum PersonStyle {
    kHero,
    kHelper,
    kStranger,
    kBartender,
    kBusinessman,
    kPirate,
    kGladiator,
    kSenator,
    kDaughter,
    kVip
};
// Styles of PaintGear: equipment and combat pictures.
enum GearStyle {
    kGun,
    kGun2,
    kGun3,
    kGun4,
    kTorpedo,
    kEcm,
    kCargo,
    kHiddenCargo,
    kEngines,
    kJumpEngines,
    kShuttle,
    kSurveillance,
    kTargeting,
    kShieldGen,
    kParticle,
    kQuantum,
    kMine,
    kSuperMine,
    kArmor,
    kAgeDrug,
    kHit,
    kMiss,
    kExplosion,
    kTorpedoTrack,
    kApHelp,
    kBoarding
};
// Styles of PaintScene.
enum SceneStyle {
    kNews,
    kVictory,
    kTreasureFleet,
    kTreasurePile,
    kCockpit,
    kBar,
    kTournament,
    kHandRight,
    kHandLeft,
    kHandUp,
    kTitle
};
// Styles of the faction pictures: the faction index comes from the name pattern.
enum InsigniaStyle { kShoulder, kCollar };
enum LogoStyle { kColourLogo, kGreyLogo, kNoFactionLogo = 5 };

// Space: backgrounds, planets and suns, special sites.
void PaintBackground(Image& img, const Params& p);
void PaintPlanet(Image& img, const Params& p);
void PaintSun(Image& img, const Params& p);
void PaintSite(Image& img, const Params& p);
// Cities by family (style) and variant letter (arg 0).
void PaintCity(Image& img, const Params& p);
// Ships by class number (arg 0).
void PaintShip(Image& img, const Params& p);
// Portraits and people; heroes take portrait (arg 0) and age class (arg 1).
void PaintPerson(Image& img, const Params& p);
void PaintWedding(Image& img, const Params& p);
void PaintRescue(Image& img, const Params& p);
void PaintGear(Image& img, const Params& p);
void PaintScene(Image& img, const Params& p);
// Faction pictures; arg 0 is the faction 0..3 (4 pirates, 5 none where the row allows).
void PaintLogo(Image& img, const Params& p);
void PaintRankBadge(Image& img, const Params& p);
void PaintUniform(Image& img, const Params& p);
void PaintInsignia(Image& img, const Params& p);
void PaintWings(Image& img, const Params& p);
void PaintRibbon(Image& img, const Params& p);
void PaintMedal(Image& img, const Params& p);
void PaintAwardPlace(Image& img, const Params& p);
void PaintAwardBackground(Image& img, const Params& p);

// Sounds; the style picks the variant where one synthesiser makes several.
std::vector<float> SynthClick(const Params& p);
std::vector<float> SynthSonar(const Params& p);
std::vector<float> SynthBeam(const Params& p);
std::vector<float> SynthMissile(const Params& p);
std::vector<float> SynthExplosion(const Params& p);
std::vector<float> SynthMines(const Params& p);
std::vector<float> SynthEcm(const Params& p);
std::vector<float> SynthData(const Params& p);
std::vector<float> SynthAlert(const Params& p);
std::vector<float> SynthJingle(const Params& p);
std::vector<float> SynthFanfare(const Params& p);
std::vector<float> SynthChime(const Params& p);
std::vector<float> SynthClink(const Params& p);
std::vector<float> SynthCrowd(const Params& p);
std::vector<float> SynthEngine(const Params& p);
std::vector<float> SynthMusic(const Params& p);

}  // namespace corvanth::assets
