// The table of every picture and sound the game reads, and its expansion into file names.
#include "catalogue.h"

#include <cstdlib>

namespace corvanth::assets {

namespace {

constexpr int kBgW = 1024, kBgH = 768;  // screen backgrounds, stretched over whole screens
constexpr int kLocS = kMapPictureSize;
constexpr int kLocL = 300;  // the planet panel shows these at 215 by 201
constexpr int kCityW = 360, kCityH = 300;
constexpr int kPicW = 200, kPicH = 150;  // dialog pictures: 200 by 150 and 144 by 108
constexpr int kWideW = 400, kWideH = 300;

// Factions in the words each family of names uses, always in the order 1..4.
#define FACTION_UNI "{Fed,outerrim,Synd,Coal}"
#define FACTION_Q "{Fed,Outerrim,Synd,Coal}"
#define RANK_CODES "{ensign,2ndLt,1stLt,Lt,Comm,Capt,Adm}"

Row Pic(const char* group, const char* pattern, int w, int h, Paint paint, int style = 0,
        const char* key = nullptr, Look look = Look::Plain) {
    return Row{group, pattern, w, h, paint, nullptr, style, look, key};
}
Row Grey(const char* group, const char* pattern, int w, int h, Paint paint, int style,
         const char* key) {
    return Pic(group, pattern, w, h, paint, style, key, Look::Grey);
}
// A single file that shows what one file of another row shows.
Row As(Row row, int arg) {
    row.arg = arg;
    return row;
}
Row Snd(const char* group, const char* pattern, Synth synth, int style = 0) {
    return Row{group, pattern, 0, 0, nullptr, synth, style, Look::Plain, nullptr};
}

std::vector<Row> MakeRows() {
    return {
        // Screen backgrounds and the title.
        Pic("backgrounds", "exp1_backgr.jpg", kBgW, kBgH, PaintBackground, 1),
        Pic("backgrounds", "exp1_backgr{2..4}.jpg", kBgW, kBgH, PaintBackground, 0),
        Pic("backgrounds", "exp1_logo.jpg", 256, 120, PaintScene, kTitle),

        // Locations: planets small (map) and large (panel); the large ones end in "r".
        Pic("planets", "earth{1..13}.jpg", kLocS, kLocS, PaintPlanet, kEarth, "earth"),
        Pic("planets", "earth{1..13}r.jpg", kLocL, kLocL, PaintPlanet, kEarth, "earth"),
        As(Grey("planets", "earth12rg.jpg", kLocL, kLocL, PaintPlanet, kEarth, "earth"), 12),
        Pic("planets", "earth15.jpg", kLocS, kLocS, PaintPlanet, kEarth, "earth15"),
        Pic("planets", "earth15r.jpg", kLocL, kLocL, PaintPlanet, kEarth, "earth15"),
        Pic("planets", "earth.jpg", kLocS, kLocS, PaintPlanet, kTerra, "terra"),
        Pic("planets", "earthr.jpg", kLocL, kLocL, PaintPlanet, kTerra, "terra"),
        Pic("planets", "red{1..7}.jpg", kLocS, kLocS, PaintPlanet, kRed, "red"),
        Pic("planets", "red{1..7}r.jpg", kLocL, kLocL, PaintPlanet, kRed, "red"),
        Pic("planets", "dark{1..7}.jpg", kLocS, kLocS, PaintPlanet, kDark, "dark"),
        Pic("planets", "dark{1..7}r.jpg", kLocL, kLocL, PaintPlanet, kDark, "dark"),
        Pic("planets", "desert{1..8}.jpg", kLocS, kLocS, PaintPlanet, kDesert, "desert"),
        Pic("planets", "desert{1..8}r.jpg", kLocL, kLocL, PaintPlanet, kDesert, "desert"),
        Pic("planets", "jungle{1..6}.jpg", kLocS, kLocS, PaintPlanet, kJungle, "jungle"),
        Pic("planets", "jungle{1..6}r.jpg", kLocL, kLocL, PaintPlanet, kJungle, "jungle"),
        Pic("planets", "ocean1.jpg", kLocS, kLocS, PaintPlanet, kOcean, "ocean"),
        Pic("planets", "ocean1r.jpg", kLocL, kLocL, PaintPlanet, kOcean, "ocean"),
        Pic("planets", "moon1.jpg", kLocS, kLocS, PaintPlanet, kMoon, "moon1"),
        Pic("planets", "moon1r.jpg", kLocL, kLocL, PaintPlanet, kMoon, "moon1"),
        Pic("planets", "Moon.jpg", kLocS, kLocS, PaintPlanet, kMoon, "luna"),
        Pic("planets", "Moonr.jpg", kLocL, kLocL, PaintPlanet, kMoon, "luna"),
        Pic("planets", "toxic{1..2}.jpg", kLocS, kLocS, PaintPlanet, kToxic, "toxic"),
        Pic("planets", "toxic{1..2}r.jpg", kLocL, kLocL, PaintPlanet, kToxic, "toxic"),
        Pic("planets", "ice1.jpg", kLocS, kLocS, PaintPlanet, kIce, "ice"),
        Pic("planets", "ice1r.jpg", kLocL, kLocL, PaintPlanet, kIce, "ice"),
        Pic("planets", "Saturn.jpg", kLocS, kLocS, PaintPlanet, kSaturn, "saturn"),
        Pic("planets", "Saturnr.jpg", kLocL, kLocL, PaintPlanet, kSaturn, "saturn"),
        Pic("planets", "Jupiter.jpg", kLocS, kLocS, PaintPlanet, kJupiter, "jupiter"),
        Pic("planets", "Jupiterr.jpg", kLocL, kLocL, PaintPlanet, kJupiter, "jupiter"),
        Pic("planets", "Mars.jpg", kLocS, kLocS, PaintPlanet, kMars, "mars"),
        Pic("planets", "Marsr.jpg", kLocL, kLocL, PaintPlanet, kMars, "mars"),

        // Suns.
        Pic("suns", "sun.jpg", kLocS, kLocS, PaintSun, 0, "sun"),
        Pic("suns", "sunr.jpg", kLocL, kLocL, PaintSun, 0, "sun"),

        // Special locations and space-event sites.
        Pic("sites", "asteroids1.jpg", kLocS, kLocS, PaintSite, kAsteroids, "rocks"),
        Pic("sites", "asteroidsbigpic.jpg", kLocL, kLocL, PaintSite, kAsteroids, "rocks"),
        Pic("sites", "wormhole.jpg", kLocS, kLocS, PaintSite, kWormhole, "wormhole"),
        Pic("sites", "wormholer.jpg", kLocL, kLocL, PaintSite, kWormhole, "wormhole"),
        Pic("sites", "anomaly1.jpg", kLocS, kLocS, PaintSite, kAnomaly, "anomaly"),
        Pic("sites", "anomaly1r.jpg", kLocL, kLocL, PaintSite, kAnomaly, "anomaly"),
        Pic("sites", "anomaly_sm.jpg", kLocS, kLocS, PaintSite, kAnomalySmall),
        Pic("sites", "NavPoint.jpg", kLocS, kLocS, PaintSite, kNavPoint, "nav"),
        Pic("sites", "NavPointr.jpg", kLocL, kLocL, PaintSite, kNavPoint, "nav"),
        Pic("sites", "spacestation.jpg", kLocS, kLocS, PaintSite, kStation),
        Pic("sites", "lifepod.jpg", kLocS, kLocS, PaintSite, kLifepod, "pod"),
        Pic("sites", "lifepodr.jpg", kLocL, kLocL, PaintSite, kLifepod, "pod"),
        Pic("sites", "ghostship.jpg", kLocS, kLocS, PaintSite, kGhostship, "ghost"),
        Pic("sites", "ghostshipr.jpg", kLocL, kLocL, PaintSite, kGhostship, "ghost"),
        Pic("sites", "treasure.jpg", kLocS, kLocS, PaintSite, kTreasure, "treasure"),
        Pic("sites", "treasurer.jpg", kLocL, kLocL, PaintSite, kTreasure, "treasure"),
        Pic("sites", "alienartefact.jpg", kLocS, kLocS, PaintSite, kArtefact, "artefact"),
        Pic("sites", "alienartefactr.jpg", kLocL, kLocL, PaintSite, kArtefact, "artefact"),
        Pic("sites", "antenna_sm.jpg", kLocS, kLocS, PaintSite, kAntenna),
        Pic("sites", "passenger_sm.jpg", kLocS, kLocS, PaintSite, kPassenger),
        Pic("sites", "container_sm.jpg", kLocS, kLocS, PaintSite, kContainer),
        Pic("sites", "VIPsmall.jpg", kLocS, kLocS, PaintPerson, kVip, "vip"),
        Pic("sites", "VIP.jpg", kLocL, 250, PaintPerson, kVip, "vip"),
        Pic("sites", "cockpit.jpg", 320, 260, PaintScene, kCockpit),

        // Cities by family; family 7 is the orbital habitats, whose "b" is also the large
        // station picture and "r" a location of its own.
        Pic("cities", "city1{,b,c,d}.jpg", kCityW, kCityH, PaintCity, 1),
        Pic("cities", "city2{,b,c,d,e,f}.jpg", kCityW, kCityH, PaintCity, 2),
        Pic("cities", "city3.jpg", kCityW, kCityH, PaintCity, 3),
        Pic("cities", "city4{,b,c,d}.jpg", kCityW, kCityH, PaintCity, 4),
        Pic("cities", "city5.jpg", kCityW, kCityH, PaintCity, 5),
        Pic("cities", "city6{,b,c,d,e}.jpg", kCityW, kCityH, PaintCity, 6),
        Pic("cities", "city7{,b,c,d,e}.jpg", kCityW, kCityH, PaintCity, 7, "city7"),
        As(Pic("cities", "city7r.jpg", kLocL, kLocL, PaintCity, 7, "city7"), 1),
        Pic("cities", "city8{,b,c,d}.jpg", kCityW, kCityH, PaintCity, 8),
        Pic("cities", "city9.jpg", kCityW, kCityH, PaintCity, 9),
        Pic("cities", "city10.jpg", kCityW, kCityH, PaintCity, 10),
        Pic("cities", "city11.jpg", kCityW, kCityH, PaintCity, 11),

        // Ship classes 0..27, and the dealer's grey pictures of classes not sold here.
        Pic("ships", "ship{0..19}.jpg", kPicW, kPicH, PaintShip, 0, "ship"),
        Grey("ships", "ship{0..19}g.jpg", kPicW, kPicH, PaintShip, 0, "ship"),
        Pic("ships", "exp1_ship{20..27}.jpg", kPicW, kPicH, PaintShip, 0, "ship"),
        Grey("ships", "exp1_ship{20..27}g.jpg", kPicW, kPicH, PaintShip, 0, "ship"),

        // The captain's portraits 1..3 by age class. The large one fills both the upright frame
        // of the new-captain screen and the 4:3 frames of the dialogs, so it is square; the
        // small one goes to 4:3 notices, the smallest to the upright status panel.
        Pic("portraits", "Hero{1..3}_{20,35,50,70,150}y.jpg", 260, 260, PaintPerson, kHero, "hero"),
        Pic("portraits", "Hero{1..3}_{20,35,50,70,150}y_sm.jpg", 160, 120, PaintPerson, kHero,
            "hero"),
        Pic("portraits", "Hero{1..3}_{20,35,50,70,150}y_sm2.jpg", 80, 100, PaintPerson, kHero,
            "hero"),

        // People the captain meets.
        Pic("people", "face1.jpg", kPicW, kPicH, PaintPerson, kHelper),
        Pic("people", "face5.jpg", kPicW, kPicH, PaintPerson, kStranger, "face5"),
        Pic("people", "face5_sm.jpg", 100, 75, PaintPerson, kStranger, "face5"),
        Pic("people", "bartender.jpg", kPicW, kPicH, PaintPerson, kBartender),
        Pic("people", "businessman.jpg", kPicW, kPicH, PaintPerson, kBusinessman),
        Pic("people", "pirate{1..3}.jpg", kPicW, kPicH, PaintPerson, kPirate),
        Pic("people", "exp1_gladiator{1..3}.jpg", 120, 150, PaintPerson, kGladiator),
        Pic("people", "exp1_{fed,or,synd,coal}gov.jpg", kPicW, kPicH, PaintPerson, kSenator),
        Pic("people", "exp1_{fed,or,synd,coal}girl.jpg", kPicW, kPicH, PaintPerson, kDaughter,
            "girl"),
        Pic("people", "exp1_{fed,or,synd,coal}girl2.jpg", kPicW, kPicH, PaintPerson, kDaughter,
            "girl2"),
        Pic("people", "exp1_{fed,or,synd,coal}girl_big.jpg", kWideW, kWideH, PaintRescue, 0),
        Pic("people", "exp1_{fed,or,synd,coal}girl_wedding.jpg", kWideW, kWideH, PaintWedding, 0,
            "wedding"),
        Grey("people", "exp1_{fed,or,synd,coal}girl_weddingg.jpg", kWideW, kWideH, PaintWedding, 0,
             "wedding"),

        // Faction emblems: large, small, grey; the pirates and "no faction".
        Pic("logos", "{Federation,OuterRim,Syndicate,TraderUnion,Pirates}Logo.jpg", 150, 150,
            PaintLogo, 0, "logo"),
        Pic("logos", "{Federation,OuterRim,Syndicate,TraderUnion}Logo_88x80.jpg", 88, 80, PaintLogo,
            0, "logo"),
        Pic("logos", "{Federation,OuterRim,Syndicate,TraderUnion}Logog.jpg", 150, 150, PaintLogo,
            kGreyLogo, "logo"),
        Pic("logos", "NoFactionLogo.jpg", 150, 150, PaintLogo, kNoFactionLogo),

        // Ranks, uniforms and awards of factions 1..4.
        Pic("ranks", "{Fed,Or,Synd,coal}_Rank{0..8}.jpg", 48, 32, PaintRankBadge),
        Pic("uniforms", "Uni-" FACTION_UNI "-blank{,-com}{,-fem}.jpg", 300, 300, PaintUniform),
        // The award screen shows the shoulder boards, wings, ribbons and medals at these sizes;
        // the uniform wears them smaller.
        Pic("insignia", "Uni-" FACTION_UNI "-" RANK_CODES "-shoulder.jpg", 200, 80, PaintInsignia,
            kShoulder, "rank"),
        Pic("insignia", "Uni-" FACTION_UNI "-" RANK_CODES "-collar.jpg", 40, 28, PaintInsignia,
            kCollar, "rank"),
        Pic("awards", FACTION_Q "-Pilotwings.jpg", 192, 80, PaintWings),
        Pic("awards", FACTION_Q "-ribbon{1..12}.jpg", 180, 70, PaintRibbon),
        Pic("awards", FACTION_Q "-{Medal-SilverStar,Medal-GoldStar,MedalofHonor}.jpg", 108, 150,
            PaintMedal),
        Pic("awards", "Uni-" FACTION_Q "-awardplace.jpg", 120, 60, PaintAwardPlace),
        Pic("awards", "{Fed,OR,Synd,Coal}AwardBackgr.jpg", 640, 480, PaintAwardBackground),

        // Equipment by kind, as the dealers and scanners show it.
        Pic("equipment", "gun.jpg", kPicW, kPicH, PaintGear, kGun),
        Pic("equipment", "gun2.jpg", kPicW, kPicH, PaintGear, kGun2),
        Pic("equipment", "gun3.jpg", kPicW, kPicH, PaintGear, kGun3),
        Pic("equipment", "gun4.jpg", kPicW, kPicH, PaintGear, kGun4),
        Pic("equipment", "torpedo.jpg", kPicW, kPicH, PaintGear, kTorpedo),
        Pic("equipment", "ecm.jpg", kPicW, kPicH, PaintGear, kEcm),
        Pic("equipment", "container.jpg", kPicW, kPicH, PaintGear, kCargo),
        Pic("equipment", "hiddencargo.jpg", kPicW, kPicH, PaintGear, kHiddenCargo),
        Pic("equipment", "engines.jpg", kPicW, kPicH, PaintGear, kEngines),
        Pic("equipment", "jumpengines.jpg", kPicW, kPicH, PaintGear, kJumpEngines),
        Pic("equipment", "shuttle.jpg", kPicW, kPicH, PaintGear, kShuttle),
        Pic("equipment", "misc.jpg", kPicW, kPicH, PaintGear, kSurveillance),
        Pic("equipment", "targetingsystem.jpg", kPicW, kPicH, PaintGear, kTargeting),
        Pic("equipment", "shieldgen.jpg", kPicW, kPicH, PaintGear, kShieldGen),
        Pic("equipment", "exp1_particle.jpg", kPicW, kPicH, PaintGear, kParticle),
        Pic("equipment", "exp1_quantum.jpg", kPicW, kPicH, PaintGear, kQuantum),
        Pic("equipment", "exp1_mine.jpg", kPicW, kPicH, PaintGear, kMine),
        Pic("equipment", "exp1_supermine.jpg", kPicW, kPicH, PaintGear, kSuperMine),
        Pic("equipment", "exp1_armor.jpg", kPicW, kPicH, PaintGear, kArmor),
        Pic("equipment", "agedrug.jpg", kPicW, kPicH, PaintGear, kAgeDrug, "drug"),
        Pic("equipment", "agedrug_sm.jpg", 100, 75, PaintGear, kAgeDrug, "drug"),

        // Combat.
        Pic("combat", "chit.jpg", kPicW, kPicH, PaintGear, kHit),
        Pic("combat", "cmiss.jpg", kPicW, kPicH, PaintGear, kMiss),
        Pic("combat", "cexplosion.jpg", kPicW, kPicH, PaintGear, kExplosion),
        Pic("combat", "ctorpedo.jpg", 64, 40, PaintGear, kTorpedoTrack, "track"),
        Grey("combat", "ctorpedog.jpg", 64, 40, PaintGear, kTorpedoTrack, "track"),
        Pic("combat", "combat_AP_help.jpg", kPicW, kPicH, PaintGear, kApHelp),
        Pic("combat", "crewcombat.jpg", kPicW, kPicH, PaintGear, kBoarding),

        // News and events.
        Pic("events", "news.jpg", kPicW, kPicH, PaintScene, kNews),
        Pic("events", "victory.jpg", kPicW, kPicH, PaintScene, kVictory),
        Pic("events", "treasurefleet.jpg", kPicW, kPicH, PaintScene, kTreasureFleet, "fleet"),
        Grey("events", "treasurefleetg.jpg", kPicW, kPicH, PaintScene, kTreasureFleet, "fleet"),
        Pic("events", "treasure_sm.jpg", 100, 75, PaintScene, kTreasurePile),
        Pic("events", "barr.jpg", kWideW, kWideH, PaintScene, kBar),
        Pic("events", "exp1_tournament{1..3}.jpg", kPicW, kPicH, PaintScene, kTournament),
        Pic("tutorial", "Tutorialr.jpg", 40, 40, PaintScene, kHandRight),
        Pic("tutorial", "Tutoriall.jpg", 40, 40, PaintScene, kHandLeft),
        Pic("tutorial", "Tutorialu.jpg", 40, 40, PaintScene, kHandUp),

        // Sounds.
        Snd("interface", "button.wav", SynthClick),
        Snd("interface", "Sonar.wav", SynthSonar),
        Snd("interface", "data.wav", SynthData),
        Snd("interface", "alert.wav", SynthAlert),
        Snd("weapons", "laser.wav", SynthBeam, 0),
        Snd("weapons", "phaser.wav", SynthBeam, 1),
        Snd("weapons", "Tachyon.wav", SynthBeam, 2),
        Snd("weapons", "Flechette.wav", SynthBeam, 3),
        Snd("weapons", "Particles.wav", SynthBeam, 4),
        Snd("weapons", "Quantum.wav", SynthBeam, 5),
        Snd("weapons", "missile.wav", SynthMissile),
        Snd("weapons", "explosion{1..2}.wav", SynthExplosion),
        Snd("weapons", "Mines.wav", SynthMines),
        Snd("weapons", "exp1_ECM.wav", SynthEcm),
        Snd("rewards", "reward{1..3}.wav", SynthJingle, 0),
        Snd("rewards", "bad1.wav", SynthJingle, 1),
        Snd("rewards", "promotion.wav", SynthFanfare, 0),
        Snd("rewards", "award.wav", SynthFanfare, 1),
        Snd("rewards", "victory.wav", SynthFanfare, 2),
        Snd("rewards", "highestrank.wav", SynthFanfare, 3),
        Snd("rewards", "wonfight.wav", SynthFanfare, 4),
        Snd("life", "marriage.wav", SynthChime),
        Snd("life", "drinking.wav", SynthClink),
        Snd("life", "games{1..3}.wav", SynthCrowd),
        Snd("travel", "Fly{1..4}.wav", SynthEngine),
        // Music: wave data under the names the game opens; the mixer goes by the content.
        Snd("music", "Intro.mp3", SynthMusic, 0),
        Snd("music", "Background.mp3", SynthMusic, 1),
    };
}

#undef FACTION_UNI
#undef FACTION_Q
#undef RANK_CODES

}  // namespace

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = MakeRows();
    return rows;
}

std::vector<std::pair<std::string, std::vector<int>>> ExpandPattern(const std::string& pattern) {
    size_t open = pattern.find('{');
    if (open == std::string::npos) return {{pattern, {}}};
    size_t close = pattern.find('}', open);
    std::string head = pattern.substr(0, open);
    std::string body = pattern.substr(open + 1, close - open - 1);
    std::string tail = pattern.substr(close + 1);
    std::vector<std::pair<std::string, int>> choices;
    if (size_t dots = body.find(".."); dots != std::string::npos) {
        int lo = std::atoi(body.substr(0, dots).c_str());
        int hi = std::atoi(body.substr(dots + 2).c_str());
        for (int v = lo; v <= hi; ++v) choices.emplace_back(std::to_string(v), v);
    } else {
        size_t start = 0;
        for (int index = 0;; ++index) {
            size_t comma = body.find(',', start);
            choices.emplace_back(body.substr(start, comma - start), index);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    std::vector<std::pair<std::string, std::vector<int>>> out;
    for (const auto& [text, value] : choices)
        for (auto& [rest, values] : ExpandPattern(tail)) {
            std::vector<int> all{value};
            all.insert(all.end(), values.begin(), values.end());
            out.emplace_back(head + text + rest, std::move(all));
        }
    return out;
}

std::vector<Asset> Catalogue() {
    std::vector<Asset> out;
    for (const Row& row : Rows()) {
        std::string key = row.key ? row.key : row.pattern;
        for (auto& [name, values] : ExpandPattern(row.pattern)) {
            if (values.empty() && row.arg >= 0) values.push_back(row.arg);
            uint64_t seed = HashText(key);
            for (int v : values) seed = (seed ^ static_cast<uint64_t>(v + 1)) * 1099511628211ull;
            out.push_back({&row, Params{name, values, row.style, seed}});
        }
    }
    return out;
}

}  // namespace corvanth::assets
