#include "CError.h"

#include "FError.h"

void CError::Alert(const QString &errorText)
{
    auto *dialog = new FError;
    dialog->Initialize(errorText);
    dialog->show();
}
