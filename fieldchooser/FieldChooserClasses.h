#pragma once
// Registers the field description into the component registry as creatable.
// Never fails.
void RegisterFieldChooserClasses();
