#pragma once
// One-time set-up of the framework: the classes and properties that stored
// layouts can name, and the platform's colours for the painters. Called by
// TApplication::Initialize and by every layout read; later calls do nothing.

void SetUpFramework();

// Registers the framework's own classes in the class registry.
void RegisterFrameworkClasses();

// Registers the ordinary controls (label, edit, buttons, list view...).
void RegisterStandardControlClasses();
