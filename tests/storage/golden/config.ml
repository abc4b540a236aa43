{ MULTILEVEL
  SoundSource=Card B
  RecDevice=Card A
  RecLine=Линейный вход
  RecPercent=75
  LastFile=C:\Profiles\Электричка.qvprof
  BindToJoystick=Quorvex Virtual Train Controller
}
