#pragma once
// The thread-local WH_CBT hook that skins the windows the attaching thread
// creates while a skin is attached.

bool installSkinHook();
void removeSkinHook();
