#pragma once
// A report page: an ordered list of items written into one HTML file by Punch.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "reports/html/ZelHtmlItem.h"

namespace korva {

class Interaction;

class ZelHtml {
public:
    ZelHtml() = default;
    virtual ~ZelHtml() = default;
    ZelHtml(const ZelHtml&) = delete;
    ZelHtml& operator=(const ZelHtml&) = delete;

    // Creates an item that lives as long as the page; the page may hold items it does not
    // own as well, and one item may stand in many places.
    template <typename T, typename... Args>
    T* make(Args&&... args) {
        auto item = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = item.get();
        owned.push_back(std::move(item));
        return raw;
    }

    void SetTitle(const std::string& value) { title = value; }
    void SetURL(const std::string& value) { url = value; }
    const std::string& GetURL() const { return url; }
    void SetBgImage(const std::string& value) { bgImage = value; }
    void AddItem(ZelHtmlItem* item) { items.push_back(item); }

    // Writes the page to its URL. When the file cannot be created the user is told and
    // false is returned; a failed write throws HtmlWriteError and leaves any older page.
    bool Punch(Interaction& ui);

    // The whole page as it is written, before line breaks become CR LF.
    std::string render();

private:
    std::string bgImage;
    std::string url = "C:/ZelHtml.html";
    std::string title;
    std::vector<ZelHtmlItem*> items;
    std::vector<std::unique_ptr<ZelHtmlItem>> owned;
};

}  // namespace korva
