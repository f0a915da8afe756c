#include "route_selector.h"

#include "catalogue/embedded_fill.h"
#include "catalogue/embedded_playlists.h"
#include "catalogue/list_actions.h"
#include "common/program_controls.h"
#include "win32/named_controls.h"
#include "win32/standard_controls.h"

namespace {

// Route items 0..11 in order; item 11 repeats route 2.
constexpr EmbeddedPlaylist kRoutes[] = {
    EmbeddedPlaylist::Collection, EmbeddedPlaylist::Route1,  EmbeddedPlaylist::Route2,
    EmbeddedPlaylist::Route3,     EmbeddedPlaylist::Route4,  EmbeddedPlaylist::Route5,
    EmbeddedPlaylist::Route6,     EmbeddedPlaylist::Route7,  EmbeddedPlaylist::Route8,
    EmbeddedPlaylist::Route9,     EmbeddedPlaylist::Route10, EmbeddedPlaylist::Route2,
};

}  // namespace

void onRouteSelected() {
    const std::int32_t item = selectedItem(namedControl(kRouteSelector));
    if (item < 0 || item >= static_cast<std::int32_t>(std::size(kRoutes))) {
        return;
    }
    beginAction(ActionScope::CatalogueRows);
    const EmbeddedPlaylist route = kRoutes[item];
    const PlaylistTags tags = route == EmbeddedPlaylist::Collection ? kCollectionTags : kRouteTags;
    fillFromEmbeddedPlaylist(embeddedPlaylist(route), tags.title, tags.address);
}
