#include "common/Low.h"
#include "shell/MainModel.h"
