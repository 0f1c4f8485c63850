#include "race/RaceTextCheck.h"

#include "race/TextCodec.h"
#include "ui/Messages.h"

namespace korva {

bool checkRaceText(Interaction& ui, const std::string& typed, int labelId) {
    const std::optional<char32_t> c = firstUnencodable(typed);
    if (!c) return true;
    // The character itself can only be shown in UTF-8.
    showUtf8Message(ui, str::kUnencodable, Icon::Warning, Buttons::Ok, Answer::Ok,
                    std::string(text(labelId)), utf8Of(*c), static_cast<unsigned>(*c));
    return false;
}

}  // namespace korva
