#include "cli/ConsoleInteraction.h"

#include <ostream>

#include "race/TextCodec.h"

namespace korva {

Answer ConsoleInteraction::ask(const Message& message) {
    Answer answer = Answer::Ok;
    switch (message.buttons) {
        case Buttons::Ok: answer = Answer::Ok; break;
        case Buttons::OkCancel: answer = Answer::Ok; break;
        case Buttons::YesNo:
        case Buttons::YesNoCancel: answer = Answer::Yes; break;
    }
    if (auto it = answers_.find(message.id); it != answers_.end()) answer = it->second;
    const char* label = "";
    switch (answer) {
        case Answer::Ok: label = ""; break;
        case Answer::Cancel: label = " -> Cancel"; break;
        case Answer::Yes: label = " -> Yes"; break;
        case Answer::No: label = " -> No"; break;
    }
    // Terminals speak UTF-8; race text in a message is single-byte.
    err_ << "[" << message.id << "] " << (message.utf8 ? message.text : cp1252ToUtf8(message.text))
         << label << "\n";
    return answer;
}

}  // namespace korva
