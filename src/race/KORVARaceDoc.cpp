#include "race/KORVARaceDoc.h"

#include <algorithm>
#include <utility>

#include "race/Archive.h"
#include "race/FileIo.h"
#include "race/LoadFailure.h"
#include "race/TextCodec.h"
#include "ui/Messages.h"

namespace korva {

namespace {
constexpr std::size_t kMinTaggedBytes = 2;
constexpr int kOldChannelEntries = 60;

// The file name as race text; a name the race file cannot hold is kept byte for byte.
std::string storedFileName(const std::string& name) {
    return firstUnencodable(name) ? name : utf8ToCp1252(name);
}

template <typename T>
void storeList(Archive& ar, const std::vector<std::unique_ptr<T>>& items, const char* cls) {
    ar.writeCount(items.size());
    for (const auto& item : items) {
        ar.writeObjectTag(cls);
        item->Serialize(ar);
    }
}

template <typename T>
void loadList(Archive& ar, std::vector<std::unique_ptr<T>>& items, const char* cls) {
    items.clear();
    const std::size_t n = ar.readCount(kMinTaggedBytes);
    for (std::size_t i = 0; i < n; ++i) {
        if (!ar.readObjectTag(cls)) continue;
        auto item = std::make_unique<T>();
        item->Serialize(ar);
        items.push_back(std::move(item));
    }
}
}  // namespace

KORVARaceDoc::KORVARaceDoc(RaceServices& services) : services_(services) {}

void KORVARaceDoc::serializeHeader(Archive& ar, int& fileVersion) {
    if (ar.isStoring()) {
        ar.writeString(raceTitle);
        for (std::size_t b = 0; b < kBracketCount; ++b) {
            ar.writeInt(maxLanes[b]);
            ar.writeInt(minLanes[b]);
        }
        for (std::int32_t v : {class426, classQ40, class424Ama, class424Apra, matrixType}) {
            ar.writeInt(v);
        }
        for (std::int32_t v : menuIds) ar.writeInt(v);
        ar.writeInt(awardPlaces);
        ar.writeString(printFont);
        ar.writeString(printTitleFont);
        ar.writeString(versionText);
        ar.writeBoolText(heatCardLaneColors);
        ar.writeBoolText(heatCardPageBreak);
        ar.writeNumberText(wingFlagSet);
        ar.writeNumberText(rotationKind);
        ar.writeSpare(27);
        for (std::int32_t v : {locked424, locked426, lockedThird, showInactive, timingFileWanted}) {
            ar.writeBoolText(v);
        }
        const std::string& appName = services_.raceFileName;
        ar.writeString(storedFileName(appName.empty() ? lastComponent(pathName_) : appName));
        for (std::int32_t v : channelLimit) ar.writeInt(v);
        ar.writeInt(formatMarker);
        for (std::int32_t v : {staggeredStart, fastRegistration, printResolution, colorPrinting,
                               pilotCardsPrintedAt, reservedC, totalTies, resolveTiesByFlyOff}) {
            ar.writeInt(v);
        }
        for (std::int32_t v : {raceFinished, heatScoring, saveReminder, maxThreeLanes,
                               maxThreeLanes, userClass}) {
            ar.writeInt(v);
        }
        ar.writeString(userClassName);
        ar.writeInt(faiClass);
        for (const std::string& code : laneColorCode) ar.writeString(code);
        for (std::int32_t v : {rotateEvery, 0, 0, 0}) ar.writeInt(v);
        ar.writeSpare(3);
        ar.writeInt(channelSortOrder);
        ar.writeInt(cardPrintCounter);
        fileVersion = leadingNumber(versionText);
        return;
    }

    menuSelected = 0;
    viewMenuId = 0;
    viewAllId = 0;
    currentSelection = -1;
    changeCount = 0;
    busyFlag = 0;

    raceTitle = ar.readString();
    for (std::size_t b = 0; b < kBracketCount; ++b) {
        maxLanes[b] = ar.readInt();
        minLanes[b] = ar.readInt();
    }
    for (std::int32_t* v : {&class426, &classQ40, &class424Ama, &class424Apra, &matrixType}) {
        *v = ar.readInt();
    }
    for (std::int32_t& v : menuIds) v = ar.readInt();
    awardPlaces = ar.readInt();
    printFont = ar.readString();
    printTitleFont = ar.readString();
    versionText = ar.readString();
    const int V = leadingNumber(versionText);
    fileVersion = V;
    heatCardLaneColors = ar.readBoolText();
    heatCardPageBreak = ar.readBoolText();
    wingFlagSet = ar.readNumberText();
    rotationKind = ar.readNumberText();
    ar.readSpare(27);
    for (std::int32_t* v : {&locked424, &locked426, &lockedThird, &showInactive,
                            &timingFileWanted}) {
        *v = ar.readBoolText();
    }
    // Handed to the application only once the whole file has been read.
    storedRaceFileName = ar.readString();
    for (std::int32_t& v : channelLimit) v = ar.readInt();
    formatMarker = ar.readInt();
    if (formatMarker > 100) throw NewerVersionError(std::string(text(str::kRace)));

    auto step13 = [&] {
        raceFinished = ar.readInt();
        heatScoring = ar.readInt();
        saveReminder = ar.readInt();
    };
    auto step14 = [&] {
        maxThreeLanes = ar.readInt();
        ar.readInt();  // a second copy
    };
    auto step15 = [&] {
        userClass = ar.readInt();
        userClassName = ar.readString();
    };
    auto defaultsOf13 = [&] {
        raceFinished = 0;
        heatScoring = 0;
        saveReminder = 10;
    };
    auto defaultsOf15 = [&] {
        userClass = 0;
        userClassName = "MyClassName";
    };
    auto defaultsOf16 = [&] {
        faiClass = 0;
        laneColorCode = {"LG", "LR", "HG", "HR"};
        rotateEvery = 0;
        channelSortOrder = 0;
        cardPrintCounter = 0;
    };

    if (formatMarker == 0) {
        ar.skipInts(36 + 40 + 40);
        ar.skipDoubles(40);
        ar.skipInts(40);
        formatMarker = 100;
        staggeredStart = 1;
        fastRegistration = 0;
        printResolution = 96;
        colorPrinting = 1;
        pilotCardsPrintedAt = 0;
        reservedC = 0;
        totalTies = 0;
        resolveTiesByFlyOff = 0;
        minLanes = {3, 3, 3};
        defaultsOf13();
        maxThreeLanes = 0;
        defaultsOf15();
        defaultsOf16();
    } else {
        for (std::int32_t* v : {&staggeredStart, &fastRegistration, &printResolution,
                                &colorPrinting, &pilotCardsPrintedAt, &reservedC, &totalTies,
                                &resolveTiesByFlyOff}) {
            *v = ar.readInt();
        }
        if (V < 104) {
            defaultsOf13();
            maxThreeLanes = 0;
            defaultsOf15();
            defaultsOf16();
        } else if (V < 105) {
            step13();
            maxThreeLanes = 0;
            defaultsOf15();
            defaultsOf16();
        } else if (V < 109) {
            step13();
            step14();
            defaultsOf15();
            defaultsOf16();
        } else {
            step13();
            step14();
            step15();
            defaultsOf16();
            if (V >= 114) {
                faiClass = ar.readInt();
                for (std::string& code : laneColorCode) code = ar.readString();
                rotateEvery = ar.readInt();
                ar.skipInts(3);
                ar.readSpare(3);
                if (V >= 116) channelSortOrder = ar.readInt();
                if (V >= 120) cardPrintCounter = ar.readInt();
            }
        }
    }
    // Written back in the current layout, the oldest included.
    versionText = "120";
}

void KORVARaceDoc::Serialize(Archive& ar) {
    int fileVersion = 120;
    serializeHeader(ar, fileVersion);
    if (ar.isStoring()) {
        storeList(ar, pilots, "KORVAPilot");
        storeList(ar, planes, "KORVAPlane");
        raceMatrix.Serialize(ar);
        return;
    }
    try {
        loadList(ar, pilots, "KORVAPilot");
    } catch (const NewerVersionError&) {
        // The user opened a race file: that is the file to upgrade for.
        throw NewerVersionError(std::string(text(str::kRace)));
    }
    loadList(ar, planes, "KORVAPlane");
    raceMatrix.Serialize(ar, fileVersion <= 111 ? kOldChannelEntries : kChannelCount);
    recountChannels();
    selectMenus();
}

std::vector<std::uint8_t> KORVARaceDoc::encode() {
    Archive ar(services_.clock);
    Serialize(ar);
    return ar.bytes();
}

void KORVARaceDoc::loadBytes(const std::vector<std::uint8_t>& bytes) {
    // Zeros read as the oldest layout of an empty race; a real file never is all zeros.
    if (!bytes.empty() && std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; })) {
        throw ArchiveError(0, "data, but every byte is zero");
    }
    Archive ar(services_.clock, bytes);
    Serialize(ar);
    services_.raceFileName = cp1252ToUtf8(storedRaceFileName);
    unreadBytes_ = ar.remaining();
    unreadOriginal_.clear();
    backupPath_.clear();
    // Saving would drop what this program does not read; the original is kept until then.
    if (unreadBytes_ > 0) unreadOriginal_ = bytes;
}

void KORVARaceDoc::loadFile(const std::string& path) {
    loadBytes(readWholeFile(path));
    if (unreadBytes_ > 0) backupPath_ = path + ".bak";
    pathName_ = path;
    raceFolder = folderOf(path);
    services_.raceFileName = lastComponent(path);
    modified_ = false;
}

bool KORVARaceDoc::openDocument(const std::string& path) {
    // Reading sets the application's race file name early; a failed open must not keep it.
    const std::string previousName = services_.raceFileName;
    try {
        loadFile(path);
    } catch (const NewerVersionError& e) {
        services_.raceFileName = previousName;
        showError(services_.ui, str::kNewerFile, e.fileKind(), e.fileKind());
        services_.endProgram();
        return false;
    } catch (...) {
        services_.raceFileName = previousName;
        showUtf8Message(services_.ui, str::kOpenFailed, Icon::Error, Buttons::Ok, Answer::Ok, path,
                        loadFailureText(FileKind::Race));
        return false;
    }
    if (unreadBytes_ > 0) {
        showUtf8Message(services_.ui, str::kTrailingBytes, Icon::Warning, Buttons::Ok, Answer::Ok,
                        path, unreadBytes_, backupPath_);
    }
    return true;
}

void KORVARaceDoc::writeFile(const std::string& path) {
    const std::string previousName = services_.raceFileName;
    services_.raceFileName = lastComponent(path);
    try {
        keepUnreadOriginal();
        writeFileAtomically(path, encode());
    } catch (...) {
        services_.raceFileName = previousName;
        throw;
    }
    pathName_ = path;
    raceFolder = folderOf(path);
    modified_ = false;
    // The reminder counts changes not yet on disk, whichever way the race was saved.
    changeCount = 0;
}

bool KORVARaceDoc::saveDocument(const std::string& path) {
    try {
        writeFile(path);
        return true;
    } catch (const std::exception& e) {
        showUtf8Message(services_.ui, str::kSaveFailed, Icon::Error, Buttons::Ok, Answer::Ok, path,
                        std::string(e.what()));
        return false;
    }
}

void KORVARaceDoc::keepUnreadOriginal() {
    if (unreadOriginal_.empty() || backupPath_.empty()) return;
    try {
        writeFileAtomically(backupPath_, unreadOriginal_);
    } catch (const FileError& e) {
        throw FileError("Cannot keep the original file as " + backupPath_ + " first: " + e.what());
    }
    // Once: later saves have nothing more to keep.
    unreadOriginal_.clear();
    unreadOriginal_.shrink_to_fit();
}

void KORVARaceDoc::noteChange() {
    ++changeCount;
    // Marked first: a reminder answered No must still leave the race asking to be saved.
    modified_ = true;
    if (saveReminder == 0 || changeCount % saveReminder != 0) return;
    if (askYesNo(services_.ui, str::kSaveReminder, Icon::Question, Answer::Yes, changeCount)) {
        changeCount = 0;
        saveDocument(pathName_);
    }
}

std::string KORVARaceDoc::thirdBracketName() const {
    if (userClass) return userClassName;
    if (faiClass) return "FAI";
    return "Q40";
}

std::string KORVARaceDoc::bracketName(int bracket) const {
    switch (bracket) {
        case 0: return "424";
        case 1: return "426";
        case 2: return thirdBracketName();
        default: return "Unknown";
    }
}

bool KORVARaceDoc::bracketUsed(int bracket) const {
    switch (bracket) {
        case 0: return class424Ama || class424Apra;
        case 1: return class426 != 0;
        case 2: return classQ40 || userClass || faiClass;
        default: return false;
    }
}

int KORVARaceDoc::pilotsInBracket(int bracket) const {
    int n = 0;
    for (const auto& p : pilots) n += p->bracket == bracket ? 1 : 0;
    return n;
}

int KORVARaceDoc::highestPilotNumber(int bracket) const {
    int most = 0;
    for (const auto& p : pilots) {
        if (p->bracket == bracket) most = std::max(most, p->pilotNumber);
    }
    return most;
}

std::int32_t KORVARaceDoc::nextPilotNumber() const {
    std::int32_t highest = 0;
    for (const auto& p : pilots) highest = std::max(highest, p->pilotNumber);
    if (highest < KORVAPilot::kMaxPilotNumber) return highest + 1;
    for (std::int32_t n = 1; n <= KORVAPilot::kMaxPilotNumber; ++n) {
        if (!pilotByNumber(n)) return n;
    }
    return 0;
}

bool KORVARaceDoc::bracketLocked(int bracket) const {
    switch (bracket) {
        case 0: return locked424 != 0;
        case 1: return locked426 != 0;
        case 2: return lockedThird != 0;
        default: return false;
    }
}

void KORVARaceDoc::setRaceTitle(const std::string& title) {
    raceTitle = title;
    services_.ui.refreshViews(false);
}

int KORVARaceDoc::classCombination() const {
    return (bracketUsed(0) ? 1 : 0) | (bracketUsed(1) ? 2 : 0) | (bracketUsed(2) ? 4 : 0);
}

void KORVARaceDoc::selectMenus() {
    // Menus 0..2 and tool bars 3..5 of the pilot, plane and heat windows, one set per
    // combination of classes; no class, no set.
    constexpr std::array<int, 6> kFirst{321, 341, 361, 381, 401, 421};
    const int combination = classCombination();
    for (std::size_t i = 0; i < menuIds.size(); ++i) {
        menuIds[i] = combination == 0 ? 0 : kFirst[i] + combination;
    }
    viewMenuId = menuIds[0];
    viewAllId = menuIds[1];
    menuSelected = 1;
}

void KORVARaceDoc::recountChannels() { raceMatrix.RecountChannels(pilots, &channelUse); }

const KORVAPilot* KORVARaceDoc::pilotByNumber(std::int32_t number) const {
    if (number < 1) return nullptr;
    // After a deletion numbers no longer match positions: try the position, then search.
    const auto index = static_cast<std::size_t>(number - 1);
    if (index < pilots.size() && pilots[index]->pilotNumber == number) return pilots[index].get();
    for (const auto& p : pilots) {
        if (p->pilotNumber == number) return p.get();
    }
    return nullptr;
}

KORVAPilot* KORVARaceDoc::pilotByNumber(std::int32_t number) {
    return const_cast<KORVAPilot*>(std::as_const(*this).pilotByNumber(number));
}

KORVAPlane* KORVARaceDoc::planeByNumber(std::int32_t number) const {
    if (number < 1 || static_cast<std::size_t>(number) > planes.size()) return nullptr;
    return planes[static_cast<std::size_t>(number - 1)].get();
}

}  // namespace korva
