#pragma once
// Everything of the form library in one include.

#include "vcl/Classes.h"
#include "vcl/ComCtrls.h"
#include "vcl/Controls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/Graphics.h"
#include "vcl/ImgList.h"
#include "vcl/StdCtrls.h"
#include "vcl/Types.h"
