// The games of a Retrosheet event file, as far as the box-score stand-in
// needs them: the id, info and start records of each game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rota::bgame {

struct EventGame {
    std::string id;              // for example NYA202007310
    std::string visitingTeam;    // info,visteam
    std::string homeTeam;        // info,hometeam
    std::string date;            // info,date as written, yyyy/mm/dd
    std::string number;          // info,number
    std::string startTime;       // info,starttime
    std::string dayNight;        // info,daynight
    std::string site;            // info,site
    std::string useDh;           // info,usedh
    std::string attendance;      // info,attendance
    std::string timeOfGame;      // info,timeofgame
    std::string homeUmpire;      // info,umphome
    std::string visitingPitcher; // start record of the visitors' position 1
    std::string homePitcher;     // start record of the home team's position 1
};

// The games of an event file's text, in file order.
std::vector<EventGame> parseEventFile(std::string_view text);

// The month and day of a game's date as MMDD (0 when the date is unreadable).
int monthDayKey(const EventGame& game);

// The comma-separated game line written for `game` (see the README).
std::string gameLine(const EventGame& game);

// Parses a key given as "MMDD", blanks before it allowed. Returns -1 when
// the text is no key.
int parseKey(const std::string& text);

} // namespace rota::bgame
