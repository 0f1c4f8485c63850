#pragma once
// The one document of a race: settings, pilots, planes and the three bracket matrices.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "race/KORVAPilot.h"
#include "race/KORVAPlane.h"
#include "race/KORVARaceMatrix.h"
#include "race/RaceServices.h"

namespace korva {

class KORVARaceDoc : public PilotLookup {
public:
    template <typename T>
    using PerBracket = std::array<T, kBracketCount>;

    ChannelTable channelUse{};  // scratch, not stored
    PerBracket<std::int32_t> maxLanes{4, 4, 4};
    PerBracket<std::int32_t> minLanes{3, 3, 3};
    PerBracket<std::int32_t> channelLimit{};
    KORVARaceMatrix raceMatrix;
    std::int32_t rotateEvery = 0;
    std::int32_t wingFlagSet = 0;
    std::int32_t rotationKind = 0;
    std::int32_t locked424 = 0;
    std::int32_t locked426 = 0;
    std::int32_t lockedThird = 0;
    std::int32_t class426 = 0;
    std::int32_t classQ40 = 0;
    std::int32_t class424Ama = 0;
    std::int32_t class424Apra = 0;
    std::int32_t staggeredStart = 0;
    std::int32_t fastRegistration = 0;
    std::int32_t colorPrinting = 0;
    std::int32_t raceFinished = 0;
    std::int32_t menuSelected = 0;  // runtime
    std::int32_t showInactive = 1;
    std::int32_t cardPrintCounter = 0;
    std::int32_t formatMarker = 100;
    std::int32_t printResolution = 96;
    std::int32_t totalTies = 0;
    std::int32_t heatScoring = 0;
    std::int32_t saveReminder = 10;
    std::string printTitleFont;
    std::string printFont;
    std::string raceTitle;
    std::string versionText = "120";
    std::string userClassName = "MyClassName";
    Timestamp pilotCardsPrintedAt = 0;
    std::int32_t reservedC = 0;
    std::int32_t resolveTiesByFlyOff = 0;
    std::int32_t maxThreeLanes = 0;
    std::int32_t heatCardLaneColors = 1;
    std::int32_t heatCardPageBreak = 0;
    std::int32_t userClass = 0;
    std::int32_t faiClass = 0;
    std::int32_t awardPlaces = 0;
    std::array<std::int32_t, 6> menuIds{};
    std::array<std::string, 4> laneColorCode{"LG", "LR", "HG", "HR"};
    std::int32_t channelSortOrder = 0;
    std::int32_t matrixType = 0;
    std::int32_t timingFileWanted = 0;
    std::int32_t viewMenuId = 0;         // runtime
    std::int32_t viewAllId = 0;          // runtime
    std::int32_t currentSelection = -1;  // runtime: the selected pilot number
    std::int32_t changeCount = 0;        // runtime: changes since the last save or reminder
    std::uint32_t printOptions = 16;     // runtime
    std::int32_t bracketFilter = -1;     // runtime: the list windows' shared filter
    // Runtime: when each bracket's heat sheets were last printed (0 = not in this session).
    // Heat cards leave their mark in the bracket's lock; sheets leave none in the file.
    PerBracket<Timestamp> heatSheetsPrintedAt{};
    // Runtime: when each bracket's heat cards were last printed in this session; heats
    // touched since then have changed cards.
    PerBracket<Timestamp> heatCardsPrintedAt{};
    PilotArray pilots;
    PlaneArray planes;
    std::string raceFolder;  // runtime
    std::string storedRaceFileName;  // runtime: the file name the race file itself records
    std::int32_t busyFlag = 0;

    explicit KORVARaceDoc(RaceServices& services);
    KORVARaceDoc(const KORVARaceDoc&) = delete;
    KORVARaceDoc& operator=(const KORVARaceDoc&) = delete;

    RaceServices& services() const { return services_; }

    void Serialize(Archive& ar);
    std::vector<std::uint8_t> encode();
    // Reads a whole race file into this (new) document. Throws FileError, ArchiveError or
    // NewerVersionError; a document that threw is half-read and must be discarded. A file
    // that is all zeros is damaged. Bytes after the race are counted (unreadBytes), and the
    // first save after such a load keeps the file as it was beside it (backupPath).
    void loadFile(const std::string& path);
    void loadBytes(const std::vector<std::uint8_t>& bytes);
    std::size_t unreadBytes() const { return unreadBytes_; }
    const std::string& backupPath() const { return backupPath_; }
    // Opens from a path, telling the user of a failure, and warning of bytes after the race;
    // false when nothing was opened. A file from a newer version shows message 264 and ends
    // the program.
    bool openDocument(const std::string& path);
    // Saves atomically; tells the user and returns false on failure.
    bool saveDocument(const std::string& path);
    // As saveDocument, but throws FileError instead of telling the user.
    void writeFile(const std::string& path);
    const std::string& pathName() const { return pathName_; }
    void setPathName(const std::string& path) { pathName_ = path; }
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Counts a user's change and offers to save every `saveReminder` changes.
    void noteChange();

    std::string thirdBracketName() const;
    std::string bracketName(int bracket) const;
    std::string classNameOf(int classIndex) const { return className(classIndex, thirdBracketName()); }
    bool bracketUsed(int bracket) const;
    int pilotsInBracket(int bracket) const;
    int highestPilotNumber(int bracket) const;
    // The number for a new pilot: one above the highest in use, so that no number is ever
    // carried twice; the lowest free one once 999 is taken; 0 when every number is in use.
    std::int32_t nextPilotNumber() const;
    // Heat cards of the bracket were printed: printing them locks the bracket's matrix.
    bool bracketLocked(int bracket) const;
    void setRaceTitle(const std::string& title);
    // Bit 0, 1, 2 set for each bracket the race uses: the set of classes menus follow.
    int classCombination() const;
    void selectMenus();
    // Recount of the channel tables and bracket summaries from the active pilots.
    void recountChannels();

    const KORVAPilot* pilotByNumber(std::int32_t number) const override;
    KORVAPilot* pilotByNumber(std::int32_t number);
    KORVAPlane* planeByNumber(std::int32_t number) const;

private:
    void serializeHeader(Archive& ar, int& fileVersion);
    // Writes the file as loaded to backupPath, once, when it held bytes after the race.
    void keepUnreadOriginal();

    RaceServices& services_;
    std::string pathName_;
    bool modified_ = false;
    std::size_t unreadBytes_ = 0;
    std::vector<std::uint8_t> unreadOriginal_;
    std::string backupPath_;
};

}  // namespace korva
