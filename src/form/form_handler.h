// A handler of the form that a control calls: a button's click, a release input's click.
#pragma once

namespace hazama {

class MainForm;
using FormHandler = void (MainForm::*)();

}  // namespace hazama
