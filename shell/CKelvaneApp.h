#pragma once

#include "Application.h"

class CKelvaneApp : public Application {
public:
    explicit CKelvaneApp(UserPrompts& prompts);

protected:
    // Runs the main dialog; the program ends with it.
    bool InitInstance() override;
};
