#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace otthon {

// Which controller the link goes to at start.
struct StartChoice {
    // The base URL; empty for the built-in substitute controller, whose address is known once it runs.
    QString baseUrl;
    // The link runs on the built-in substitute controller.
    bool demo = false;
    // No address is saved and none was given: the settings open at once, over the household's default.
    bool askForAddress = false;
};

// --controller wins for this run; --demo leaves the saved address alone (it is not even read); without
// either, the saved address, and with none saved the demo for --demo-unless-saved (the menu entry), else the
// household's default while the settings ask for one. `saved` reads the saved address (empty: none).
StartChoice chooseStart(const std::optional<QString>& controller, bool demo, bool demoUnlessSaved,
                        const std::function<QString()>& saved, const QString& defaultUrl);

} // namespace otthon
