{ MULTILEVEL
  ; A button held for 800 ms.
  { CONTROLLER
    Name=Box
    Button0=Horn
    { TIMELINE
      At=100
      Button0=1
      At=900
      Button0=0
    }
  }
}
