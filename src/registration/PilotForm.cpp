#include "registration/PilotForm.h"

#include <algorithm>
#include <utility>

#include "race/KORVAPilotMaster.h"
#include "race/KORVARaceDoc.h"
#include "race/RaceTextCheck.h"
#include "race/TextCodec.h"
#include "registration/RegistrationMessages.h"
#include "ui/Strings.h"
#include "ui/Messages.h"

namespace korva {

namespace {

constexpr int kLastClassIndex = 4;  // the third bracket's class

using TextField = std::pair<std::string PilotForm::*, std::string KORVAPilot::*>;

// The personal texts: the ones the master file supplies when an ID is chosen.
constexpr TextField kPersonalTexts[] = {
    {&PilotForm::associationNumber, &KORVAPilot::associationNumber},
    {&PilotForm::firstName, &KORVAPilot::firstName},
    {&PilotForm::middleInitial, &KORVAPilot::middleInitial},
    {&PilotForm::lastName, &KORVAPilot::lastName},
    {&PilotForm::address, &KORVAPilot::address},
    {&PilotForm::city, &KORVAPilot::city},
    {&PilotForm::state, &KORVAPilot::state},
    {&PilotForm::postalCode, &KORVAPilot::postalCode},
    {&PilotForm::phoneDay, &KORVAPilot::phoneDay},
    {&PilotForm::phoneNight, &KORVAPilot::phoneNight},
    {&PilotForm::phoneCell, &KORVAPilot::phoneCell},
    {&PilotForm::email, &KORVAPilot::email},
    {&PilotForm::pager, &KORVAPilot::pager},
};

// Every text of the form with the label and field name a refusal shows, in form order.
struct TypedField {
    std::string PilotForm::*field;
    const char* name;
    int labelId;
};

constexpr TypedField kTypedFields[] = {
    {&PilotForm::pilotId, pilotfield::kPilotId, str::kPilotIdLabel},
    {&PilotForm::associationNumber, "associationNumber", str::kAssociationLabel},
    {&PilotForm::firstName, pilotfield::kFirstName, msg::kFirstName},
    {&PilotForm::middleInitial, pilotfield::kMiddleInitial, str::kMiddleInitialLabel},
    {&PilotForm::lastName, pilotfield::kLastName, msg::kLastName},
    {&PilotForm::address, "address", str::kAddressLabel},
    {&PilotForm::city, "city", str::kCityLabel},
    {&PilotForm::state, "state", str::kStateLabel},
    {&PilotForm::postalCode, "postalCode", str::kPostalCodeLabel},
    {&PilotForm::phoneDay, "phoneDay", str::kPhoneDayLabel},
    {&PilotForm::phoneNight, "phoneNight", str::kPhoneNightLabel},
    {&PilotForm::phoneCell, "phoneCell", str::kPhoneCellLabel},
    {&PilotForm::email, "email", str::kEmailLabel},
    {&PilotForm::pager, "pager", str::kPagerLabel},
    {&PilotForm::category, "category", str::kCategoryLabel},
};

void copyPersonalTexts(const KORVAPilot& from, PilotForm& to) {
    for (const auto& [formField, pilotField] : kPersonalTexts) {
        to.*formField = cp1252ToUtf8(from.*pilotField);
    }
}

const KORVAPilot* findInMaster(const KORVAPilotMaster& master, const std::string& pilotId) {
    for (const auto& p : master.pilots) {
        if (p->pilotId == pilotId) return p.get();
    }
    return nullptr;
}

}  // namespace

PilotForm pilotFormFrom(const KORVAPilot& pilot) {
    PilotForm f;
    f.pilotId = cp1252ToUtf8(pilot.pilotId);
    copyPersonalTexts(pilot, f);
    f.lane1Affinity = pilot.lane1Affinity != 0;
    f.category = cp1252ToUtf8(pilot.category);
    f.pilotNumber = pilot.pilotNumber;
    f.channel = pilot.channel;
    f.buddy = pilot.buddy;
    f.classIndex = pilot.classIndex;
    f.active = pilot.active != 0;
    f.paid = pilot.paid != 0;
    f.signedWaiver = pilot.signedWaiver != 0;
    f.dq = pilot.dqFlag != 0;
    return f;
}

void applyPilotForm(const PilotForm& form, KORVAPilot& pilot, Timestamp now) {
    pilot.pilotId = utf8ToCp1252(form.pilotId);
    for (const auto& [formField, pilotField] : kPersonalTexts) {
        pilot.*pilotField = utf8ToCp1252(form.*formField);
    }
    pilot.lane1Affinity = form.lane1Affinity ? 1 : 0;
    pilot.category = utf8ToCp1252(form.category);
    pilot.channel = form.channel;
    pilot.buddy = form.buddy;
    if (form.classIndex != pilot.classIndex) pilot.setClass(form.classIndex, now);
    pilot.active = form.active ? 1 : 0;
    pilot.paid = form.paid ? 1 : 0;
    pilot.signedWaiver = form.signedWaiver ? 1 : 0;
    pilot.dqFlag = form.dq ? 1 : 0;
}

PilotFormSetup pilotFormSetup(const KORVARaceDoc& doc, const std::string& title) {
    PilotFormSetup setup;
    setup.title = title;
    setup.thirdClassName = doc.thirdBracketName();
    setup.master = &doc.services().master;
    setup.masterIds = masterPilotIds(doc.services().master);
    for (int b = 0; b < kBracketCount; ++b) {
        setup.buddyMax[static_cast<std::size_t>(b)] = doc.highestPilotNumber(b);
        setup.bracketUsed[static_cast<std::size_t>(b)] = doc.bracketUsed(b);
    }
    return setup;
}

std::vector<std::string> masterPilotIds(const KORVAPilotMaster& master) {
    std::vector<std::string> ids;
    for (const auto& p : master.pilots) {
        if (!p->pilotId.empty()) ids.push_back(p->pilotId);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

bool fillFromMaster(PilotForm& form, const KORVAPilotMaster& master, const std::string& pilotId) {
    const KORVAPilot* record = findInMaster(master, utf8ToCp1252(pilotId));
    if (!record) return false;
    form.pilotId = cp1252ToUtf8(record->pilotId);
    copyPersonalTexts(*record, form);
    return true;
}

FormCheck checkPilotForm(PilotForm& form, const PilotFormSetup& setup, Interaction& ui) {
    trimInPlace(form.pilotId);
    for (const auto& field : kPersonalTexts) trimInPlace(form.*field.first);
    trimInPlace(form.category);
    form.middleInitial = upperCased(form.middleInitial);
    form.associationNumber = upperCased(form.associationNumber);

    // Nothing the race file cannot hold gets as far as a pilot.
    for (const TypedField& f : kTypedFields) {
        if (!checkRaceText(ui, form.*f.field, f.labelId)) return FormCheck::retry(f.name);
    }
    // In the order of the fields on the form, so the first faulty one is named; lengths are
    // those of the stored text, one byte a character.
    if (!checkLength(ui, utf8ToCp1252(form.pilotId), KORVAPilot::kMaxPilotId)) {
        return FormCheck::retry(pilotfield::kPilotId);
    }
    if (!checkNotEmpty(ui, form.firstName, msg::kFirstName)) {
        return FormCheck::retry(pilotfield::kFirstName);
    }
    if (!checkLength(ui, utf8ToCp1252(form.middleInitial), KORVAPilot::kMaxMiddleInitial)) {
        return FormCheck::retry(pilotfield::kMiddleInitial);
    }
    if (!checkNotEmpty(ui, form.lastName, msg::kLastName)) {
        return FormCheck::retry(pilotfield::kLastName);
    }
    if (!checkRange(ui, form.classIndex, -1, kLastClassIndex, msg::kClassLabel)) {
        return FormCheck::retry(pilotfield::kClass);
    }
    // The buddy's range is the class's: without a class it would read "between 0 and 0".
    const int bracket = bracketOfClass(form.classIndex);
    if (bracket < 0 && form.buddy != 0) {
        showError(ui, msg::kNoClass);
        return FormCheck::retry(pilotfield::kClass);
    }
    const int buddyMax = bracket < 0 ? 0 : setup.buddyMax[static_cast<std::size_t>(bracket)];
    if (!checkRange(ui, form.buddy, 0, buddyMax, msg::kBuddyLabel)) {
        return FormCheck::retry(pilotfield::kBuddy);
    }
    return FormCheck::accept();
}

}  // namespace korva
