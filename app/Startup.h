#pragma once
// The start-up sequence that main runs: the framework is prepared, the application
// object made, then the main window, then the event loop runs until the program quits.

// Installs the exception helper, then runs the early start-up, the framework's
// initialisation (which calls LateStartup_) and the event loop. An exception that
// escapes any step goes to the framework's unhandled-exception handling.
void Main_();

// Display support, plug-ins, file types, the application object and its menu handlers.
void EarlyStartup_();
void InitFileTypes_();
// Makes, versions and registers the application object, with the menu bar.
void NewAppInstance_();
// Attaches the About handler to the menu item named "AppAbout".
void ApplicationAddMenuHandlers_();
// Makes the main window.
void LateStartup_();
void MakeDefaultView_();
