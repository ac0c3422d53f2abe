#pragma once
// The form library in one include. A short guide for form code:
//
// - Everything is in namespace vcl, under the class names form code expects (TForm, TImage,
//   TListView, TBitmap, ...). Properties are Name()/SetName(value) pairs; events are public
//   closures (`button->OnClick = [this](TObject* s) { ... };`).
// - Components are made with `new T(owner)` and belong to their owner, which frees them;
//   free one earlier with vcl::Free(component) (it leaves its owner by itself). Controls also
//   need a parent: `control->SetParent(form)`. Windows are made when first needed.
// - Forms derive from TForm and build their controls in the constructor; the entry point
//   uses Application (CreateForm, Run). Pictures come from the program's resources:
//   `image->Picture()->Bitmap()->LoadFromResourceName(HInstance(), "NAME")`.
// - Messages: override Dispatch (handle some, pass the rest to the base), or replace
//   WindowProc; Perform sends one directly. Notifications of native controls arrive at the
//   control itself as CN_BASE + message.
// - Errors the platform library would raise are exceptions derived from vcl::Exception; one
//   escaping an event handler is shown by Application->ShowException.

#include "vcl/Classes.h"
#include "vcl/ComCtrls.h"
#include "vcl/Controls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/Graphics.h"
#include "vcl/ImgList.h"
#include "vcl/StdCtrls.h"
#include "vcl/Types.h"
