#pragma once

// Everything a host needs from the library.

#include "KorvexDatabase_export.h"

#include "core/DatabaseError.h"
#include "core/KorvexCommonDatabaseManager.h"
#include "core/KorvexInterfaces.h"
#include "core/Prompts.h"
#include "core/TableDatabase.h"
#include "core/Translation.h"
#include "core/WidgetPlacement.h"

#include "Pipes/PipeDatabaseTypes.h"
#include "Pipes/PipeRedactorDialog.h"

#include "DevicesDIN/DINRedactorDialog.h"
#include "DevicesDIN/DeviceDINDatabaseTypes.h"

#include "Climate/ClimateDatabaseTypes.h"
#include "Climate/ClimateDatabaseViewer.h"
#include "Climate/ColdSeasonDialog.h"
#include "Climate/PressureDialog.h"
#include "Climate/TemperatureDialog.h"
#include "Climate/WarmSeasonDialog.h"

#include "Coolants/CoolantDatabaseTypes.h"
#include "Coolants/CoolantRedactorDialog.h"
#include "Coolants/LoopsDialog.h"

#include "Consumers/ConsumerDatabaseTypes.h"
#include "Consumers/ConsumerRedactorDialog.h"

#include "Kms/KMSRedactorDialog.h"
#include "Kms/KmsDatabaseTypes.h"

#include "Materials/LayerDialog.h"
#include "Materials/MaterialDatabaseTypes.h"
#include "Materials/MaterialRedactorDialog.h"

#include "Embrasures/EmbrasureDatabaseTypes.h"
#include "Embrasures/EmbrasureInputDialog.h"
#include "Embrasures/EmbrasureRedactorDialog.h"
