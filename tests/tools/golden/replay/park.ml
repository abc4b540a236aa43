{ MULTILEVEL
  ; The lever to notch 2; the park button pressed; the lever on to notch 3
  ; (ignored while parked), back to notch 1 (where it parks) and to notch 2
  ; again; the sound button held.
  { CONTROLLER
    Name=Desk
    Axis0=Throttle
    Button0=Park
    Button1=Mute
    { TIMELINE
      At=0
      Axis0=1000
      At=200
      Axis0=20000
      At=500
      Button0=1
      At=600
      Button0=0
      At=800
      Axis0=40000
      At=1200
      Axis0=1000
      At=1600
      Axis0=20000
      At=2000
      Button1=1
      At=2300
      Button1=0
    }
  }
}
