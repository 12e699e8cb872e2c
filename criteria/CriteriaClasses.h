#pragma once
// Registers the criteria classes (the parameters container and the five
// criteria sets) into the component registry as creatable.  Never fails;
// calling it again changes nothing.
void RegisterCriteriaClasses();
