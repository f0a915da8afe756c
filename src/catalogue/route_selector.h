#pragma once
// The route selector kRouteSelector: each route is one embedded playlist.

// Handler of the route selector's item-selected event: fills the main list
// from the chosen route's playlist; the empty last item and no selection do
// nothing.
void onRouteSelected();
