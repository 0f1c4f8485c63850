#pragma once
// "Quick Print...": the ticked reports of the pilot and heat windows in one go, without
// their dialogs, with the heat window switched as each needs and the runs as PDF files on
// request.

namespace korva {

class HtmlPrintQueue;
class KORVARaceApp;
class PrintForms;

void quickPrintCommand(KORVARaceApp& app, PrintForms& forms, HtmlPrintQueue& queue);

}  // namespace korva
