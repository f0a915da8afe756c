#include "my_lists.h"

#include "list_messages.h"
#include "list_store.h"

namespace {

void tellUnlessDone(const UserList& list, ListOutcome outcome) {
    if (outcome != ListOutcome::Done) {
        tellListOutcome(list, outcome);
    }
}

// Whether the last play that could not be remembered was told about: the
// next failing plays are not, until one is remembered again.
bool playNotRememberedTold = false;

}  // namespace

bool isFavourite(const Text& address) {
    return listHolds(kFavourites, address);
}

void addFavourite(const Text& title, const Text& address) {
    tellUnlessDone(kFavourites, putOnTop(kFavourites, title, address));
}

void removeFavourite(const Text& address) {
    tellUnlessDone(kFavourites, removeFromList(kFavourites, address));
}

void rememberPlayed(const Text& title, const Text& address) {
    const ListOutcome outcome = putOnTop(kRecentlyPlayed, title, address);
    if (outcome != ListOutcome::Done && !playNotRememberedTold) {
        tellListOutcome(kRecentlyPlayed, outcome);
    }
    playNotRememberedTold = outcome != ListOutcome::Done;
}
