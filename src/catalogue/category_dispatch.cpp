#include "category_dispatch.h"

#include "catalogue/catalogue_entries.h"
#include "catalogue/embedded_fill.h"
#include "catalogue/list_actions.h"
#include "catalogue/remote_fill.h"
#include "common/hosts.h"
#include "common/program_controls.h"
#include "textmatch/regex_matcher.h"
#include "win32/browser_view.h"
#include "win32/list_view.h"
#include "win32/message_box.h"
#include "win32/named_controls.h"
#include "win32/rollup_menu.h"

namespace {

// Shown after every fill; written without a scheme, as the view takes it.
const Text kInformationPage = Text(kNoticeHost) + "/vovu.php.html";

void showInformationPage() {
    setBrowserAddress(namedControl(kPlayerView), kInformationPage);
}

}  // namespace

void onCategoryEntryClicked(std::int32_t group, std::int32_t entry) {
    // One matcher per click, for the remote fill of this click alone.
    RegexMatcher matcher;
    const Text caption = rollupMenuCaption(namedControl(kCategoryMenu), entry, group);
    const CatalogueEntry* found = findCatalogueEntry(caption);
    if (!found) {
        return;
    }
    // Every entry but a notice decides the list, browser view 1 or both
    // (list_actions.h): what it decides, it takes from a fill still running.
    switch (found->action) {
        case EntryAction::Notice:
            messageBox(found->text, MB_OK | MB_TASKMODAL, Text("信息："));
            return;
        case EntryAction::FixedPage:
            beginAction(ActionScope::PlayerView);
            setBrowserAddress(namedControl(kPlayerView), found->text);
            return;
        case EntryAction::EmbeddedList:
        case EntryAction::RemoteList:
            break;
    }
    const std::uint32_t rows = beginAction(ActionScope::CatalogueRows);
    const std::uint32_t view = beginAction(ActionScope::PlayerView);
    if (found->action == EntryAction::EmbeddedList) {
        fillFromEmbeddedPlaylist(embeddedPlaylist(found->playlist), found->titleTag,
                                 found->addressTag);
    } else {
        deleteAllRows(namedControl(kCatalogueList));
        fillFromRemoteList(Text("http://") + kListServiceHost + found->text, found->pattern,
                           matcher);
    }
    if (rows == latestAction(ActionScope::CatalogueRows) &&
        view == latestAction(ActionScope::PlayerView)) {
        showInformationPage();
    }
}
